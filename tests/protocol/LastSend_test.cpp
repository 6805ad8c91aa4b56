#include <gtest/gtest.h>

#include "protocol/LastSend.h"

namespace koru {
namespace {

SendLogEntry Entry(const std::string& time, const std::string& unitId, std::vector<GroupOutcome> outcomes) {
    return {time, unitId, "Pump", "/dev/ttyUSB0", {}, "verdict", std::move(outcomes), "korucfg 1.3"};
}

TEST(LastSendTest, TheUnitsNewestSessionCountsTheGroupsThatWentThrough) {
    SendLogContents log;
    log.entries = {Entry("t1", "0000000042", {{"radio", "acknowledged"}}),
                   Entry("t2", "0000000042",
                         {{"general", "acknowledged"},
                          {"network", "error report E12 (record 15, packet 1 of 1)"},
                          {"radio", "not sent"},
                          {"output-flag-actions", "nothing to send"}}),
                   Entry("t3", "0000000043", {{"radio", "acknowledged"}})};

    EXPECT_EQ(EntriesOf(log, "0000000042"), (std::vector{log.entries[0], log.entries[1]}));
    const std::optional<LastSend> last = LastSendOf(log, "0000000042");
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, (LastSend{"t2", "verdict", 2, 4}));
    EXPECT_EQ(DescribeLastSend(*last), "last sent t2, 2 of 4 groups acknowledged");
    EXPECT_FALSE(LastSendOf(log, "0000000044"));
}

}  // namespace
}  // namespace koru
