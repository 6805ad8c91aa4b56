#include "protocol/SendSelection.h"

#include "protocol/RecordTable.h"

namespace koru {

int SendSelection::count() const {
    int selected = 0;
    for (const RecordDescription& row : RecordsInSendOrder()) selected += has(row.record) ? 1 : 0;
    return selected;
}

SendSelection SendSelection::Of(SendGroups ticked) {
    SendSelection selection;
    for (const RecordDescription& row : RecordsInSendOrder()) {
        if (ticked.sharesAny(row.groups)) selection.set(row.record);
    }
    return selection;
}

}  // namespace koru
