#include "protocol/SendSelection.h"

#include "protocol/SendBoxNames.h"

namespace koru {

int SendSelection::count() const {
    int selected = 0;
    for (Record record : kSendOrder) selected += has(record) ? 1 : 0;
    return selected;
}

SendSelection SendSelection::fromBoxes(const Boxes& boxes) {
    SendSelection selection;
    for (const SendBox& box : SendBoxTable()) {
        if (!(boxes.*box.checked)) continue;
        for (Record record : box.records) selection.set(record);
    }
    return selection;
}

bool LogsStatusAfter(Record record) {
    switch (record) {
        case Record::Network:
        case Record::Peers:
        case Record::Radio:
        case Record::Serial:
        case Record::Inputs:
        case Record::IoMasks:
        case Record::Timers:
        case Record::Counters:
            return true;
        default:
            return false;
    }
}

}  // namespace koru
