#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/ActionEntries.h"

namespace koru {
namespace {

using Entry = std::optional<std::string>;

std::array<Text, kOutputFlagCells> cells(const std::string& outputs, const std::string& flags) {
    std::array<Text, kOutputFlagCells> all;
    for (int i = 0; i < kOutputFlagCells; ++i) {
        const char cell = i < kMaskOutputCells ? outputs[i] : flags[i - kMaskOutputCells];
        all[i] = std::string(1, cell);
    }
    return all;
}

TEST(ActionEntries, MessageActionNeedsADestination) {
    EXPECT_EQ(MessageActionEntry("3", "[Upper unit]"), Entry("Send: Message 3 to [Upper unit]"));
    EXPECT_EQ(MessageActionEntry("20", "0000000042(P\xFCmp)"),
              Entry("Send: Message 20 to 0000000042(P\xFCmp)"));
    EXPECT_EQ(MessageActionEntry("3", ""), std::nullopt);
}

TEST(ActionEntries, OutputFlagActionIsLocalWithoutADestination) {
    const auto pattern = cells("01-T", "--------");
    EXPECT_EQ(OutputFlagActionEntry(pattern, "-"), "Set: 01-T --------");
    EXPECT_EQ(OutputFlagActionEntry(pattern, ""), "Set: 01-T --------");
    EXPECT_EQ(OutputFlagActionEntry(pattern, "[General Broadcast]"),
              "Send: 01-T -------- to [General Broadcast]");
    EXPECT_EQ(OutputFlagActionEntry(cells("----", "1T0-----"), "0000000007(Tank)"),
              "Send: ---- 1T0----- to 0000000007(Tank)");
}

TEST(ActionEntries, OutputFlagCellsAreTakenAsTheyStand) {
    auto pattern = cells("----", "--------");
    pattern[1] = "";     // a cleared cell
    pattern[11] = "xy";  // a cell the check has not corrected yet
    EXPECT_EQ(OutputFlagActionEntry(pattern, "-"), "Set: --- -------xy");
}

struct TimerCase {
    TimerActionRow row;
    Entry expected;
};

class TimerActionRows : public ::testing::TestWithParam<TimerCase> {};

TEST_P(TimerActionRows, GiveTheirTexts) {
    TimerActionFields fields;
    fields.timer = {"2", "3", "4", "1"};
    fields.time = "500";
    fields.unit = "ms";
    EXPECT_EQ(TimerActionEntry(GetParam().row, fields), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(All, TimerActionRows,
                         ::testing::Values(TimerCase{TimerActionRow::SetTime, "Timer 2 = 500 ms"},
                                           TimerCase{TimerActionRow::Restart, "Restart timer 3"},
                                           TimerCase{TimerActionRow::Start, "Start timer 4"},
                                           TimerCase{TimerActionRow::Stop, "Stop timer 1"}));

TEST(ActionEntries, SetTimeNeedsATimeAndTheOtherTimerRowsNothing) {
    TimerActionFields fields;
    fields.unit = "min";
    EXPECT_EQ(TimerActionEntry(TimerActionRow::SetTime, fields), std::nullopt);
    EXPECT_EQ(TimerActionEntry(TimerActionRow::Stop, fields), Entry("Stop timer 1"));
    fields.time = "15";
    EXPECT_EQ(TimerActionEntry(TimerActionRow::SetTime, fields), Entry("Timer 1 = 15 min"));
}

struct CounterCase {
    CounterActionRow row;
    Entry expected;
    Entry withoutValues;  // the same row with every value field empty
};

class CounterActionRows : public ::testing::TestWithParam<CounterCase> {};

TEST_P(CounterActionRows, GiveTheirTextsAndNeedTheirValues) {
    CounterActionFields fields;
    fields.counter = {"1", "4", "2", "3"};
    fields.limit = "100";
    fields.increase = "5";
    fields.decrease = "1";
    EXPECT_EQ(CounterActionEntry(GetParam().row, fields), GetParam().expected);
    fields.limit.clear();
    fields.increase.clear();
    fields.decrease.clear();
    EXPECT_EQ(CounterActionEntry(GetParam().row, fields), GetParam().withoutValues);
}

INSTANTIATE_TEST_SUITE_P(
    All, CounterActionRows,
    ::testing::Values(CounterCase{CounterActionRow::SetLimit, "Counter 1 = 100", std::nullopt},
                      CounterCase{CounterActionRow::Reset, "Reset Counter 4", "Reset Counter 4"},
                      CounterCase{CounterActionRow::Increase, "Increase Counter 2 with 5", std::nullopt},
                      CounterCase{CounterActionRow::Decrease, "Decrease Counter 3 with 1", std::nullopt}));

TEST(ActionEntries, EachRowTakesItsOwnValueField) {
    CounterActionFields fields;
    fields.increase = "7";
    EXPECT_EQ(CounterActionEntry(CounterActionRow::Increase, fields), Entry("Increase Counter 1 with 7"));
    EXPECT_EQ(CounterActionEntry(CounterActionRow::Decrease, fields), std::nullopt);
    EXPECT_EQ(CounterActionEntry(CounterActionRow::SetLimit, fields), std::nullopt);
}

TEST(ActionEntries, ListsHoldNoExactDuplicates) {
    TextList list;
    EXPECT_TRUE(AppendUnique(list, "Reset Counter 1"));
    EXPECT_FALSE(AppendUnique(list, "Reset Counter 1"));
    EXPECT_TRUE(AppendUnique(list, "reset Counter 1"));   // case counts
    EXPECT_TRUE(AppendUnique(list, "Reset Counter 1 "));  // so do blanks
    EXPECT_EQ(list, (TextList{"Reset Counter 1", "reset Counter 1", "Reset Counter 1 "}));

    EXPECT_FALSE(RemoveEntryAt(list, -1));
    EXPECT_FALSE(RemoveEntryAt(list, 3));
    EXPECT_TRUE(RemoveEntryAt(list, 1));
    EXPECT_EQ(list, (TextList{"Reset Counter 1", "Reset Counter 1 "}));
}

TEST(ActionEntries, TheDialogOffersEveryDefinedActionAndSleepModeOnlyWhileEnabled) {
    UnitConfiguration config;
    config.messageActions.actions = {"Send: Message 1 to [Serial port]"};
    config.outputFlagActions = {"Set: 1--- --------", "Set: 0--- --------"};
    config.timerActions = {"Start timer 1"};
    config.counterActions = {"Reset Counter 2"};
    const TextList defined{"Send: Message 1 to [Serial port]", "Set: 1--- --------", "Set: 0--- --------",
                           "Start timer 1", "Reset Counter 2"};
    EXPECT_EQ(OfferedActions(config), defined);

    config.input.sleepOn = true;
    TextList withSleep = defined;
    withSleep.emplace_back("Sleep mode");
    EXPECT_EQ(OfferedActions(config), withSleep);
}

}  // namespace
}  // namespace koru
