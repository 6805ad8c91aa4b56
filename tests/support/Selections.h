#pragma once

// Send selections for tests, by record.

#include <initializer_list>
#include <vector>

#include "protocol/RecordTable.h"
#include "protocol/SendSelection.h"

namespace koru::test {

inline SendSelection Records(std::initializer_list<Record> records) {
    SendSelection selection;
    for (Record record : records) selection.set(record);
    return selection;
}

// Every record, in send order.
inline std::vector<Record> SendOrder() {
    std::vector<Record> records;
    for (const RecordDescription& row : RecordsInSendOrder()) records.push_back(row.record);
    return records;
}

// Every visible box of the send dialog checked.
inline SendSelection Everything() {
    return SendSelection::Of(SendGroups::All());
}

}  // namespace koru::test
