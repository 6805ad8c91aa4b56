#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/SettingsDiff.h"
#include "tests/support/NamedCase.h"

namespace koru {

void PrintTo(const SettingDifference& d, std::ostream* out) {
    *out << d.section << "|" << d.subsection << "|" << d.key << "|" << d.first << "|" << d.second;
}

namespace {

using test::PrintTo;

struct DiffCase {
    const char* name;
    std::function<void(UnitConfiguration&)> change;
    std::vector<SettingDifference> expected;
};

class SettingsDiffTest : public ::testing::TestWithParam<DiffCase> {};

// Each change shows as the key lines it changes, named as the unit file names them, values as written.
TEST_P(SettingsDiffTest, NamesTheKeyLinesThatDiffer) {
    UnitConfiguration before;
    before.unit = {"0000000042", "Pump", "KORU Base"};
    UnitConfiguration after = before;
    GetParam().change(after);
    EXPECT_EQ(DiffSettings(before, after), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SettingsDiffTest,
    ::testing::Values(
        DiffCase{"Nothing", [](UnitConfiguration&) {}, {}},
        DiffCase{"RadioChannel", [](UnitConfiguration& c) { c.radio.channel = "40"; },
                 {{"Radio", "", "Channel", "0", "40"}}},
        DiffCase{"SecondTimerAndItsUnit",
                 [](UnitConfiguration& c) {
                     c.timers[1].time = "5";
                     c.timers[1].unit = "s";
                 },
                 {{"Timer", "+Timer2", "Time", "0", "5"}, {"Timer", "+Timer2", "Unit", "ms", "s"}}},
        DiffCase{"TimerEventActionsInFileOrder",
                 [](UnitConfiguration& c) {
                     c.timerEvents[3].actions = {"Start timer 1", "Stop timer 2"};
                     c.timerEvents[0].actions = {"Start timer 4"};
                 },
                 {{"Timer event", "+Timer1", "Actions", "", "Start timer 4"},
                  {"Timer event", "+Timer4", "Actions", "", "Start timer 1,Stop timer 2"}}},
        DiffCase{"AliasWithWindows1252", [](UnitConfiguration& c) { c.unit.alias = "S\xFC" "d"; },
                 {{"Unit", "", "Alias", "Pump", "S\xFC" "d"}}},
        DiffCase{"OnlyTheWindowsOwnRetransmissionTime",
                 [](UnitConfiguration& c) { c.radio.retransmissionMinTime = "300"; }, {}}),
    test::RowName());

}  // namespace
}  // namespace koru
