#include <gtest/gtest.h>

#include <set>
#include <string>

#include "protocol/RecordTable.h"
#include "protocol/SendGroupTable.h"
#include "tests/support/SampleUnits.h"

namespace koru {
namespace {

// Every record the unit knows (1 to 15, no 9) stands once in the table, its log label the name the unit's
// technicians know from the log; every send group carries at least one record.
TEST(RecordTable, EveryRecordOnceEveryGroupCarriesOne) {
    std::set<int> numbers;
    for (const RecordDescription& row : RecordsInSendOrder()) {
        const int number = RecordNumber(row.record);
        EXPECT_TRUE(numbers.insert(number).second) << number;
        EXPECT_EQ(row.logLabel, "set_param" + std::to_string(number));
        EXPECT_EQ(&DescribeRecord(row.record), &row);
    }
    EXPECT_EQ(numbers, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15}));
    for (const SendGroupDescription& group : SendGroupTable()) EXPECT_FALSE(RecordsOf(group.group).empty()) << group.name;
}

// A send encodes exactly its records, in the table's order, each step with the place it came from.
TEST(RecordTable, ASendEncodesItsRecordsInTableOrder) {
    const UnitConfiguration config = test::FullUnit();
    for (const SendGroupDescription& group : SendGroupTable()) {
        SCOPED_TRACE(group.name);
        std::vector<Record> encoded;
        for (const EncodedRecord& record : EncodeSelection(config, SendSelection::Of({group.group}), 29)) {
            encoded.push_back(record.record);
            EXPECT_EQ(record.origins.size(), record.steps.size());
        }
        EXPECT_EQ(encoded, RecordsOf(group.group));
    }
}

}  // namespace
}  // namespace koru
