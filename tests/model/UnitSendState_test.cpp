#include <gtest/gtest.h>

#include <string>

#include "model/UnitSendState.h"
#include "tests/support/NamedCase.h"

namespace koru {
namespace {

using test::PrintTo;
// Two records acknowledged at different times with different unit files, one of them unconfirmed since,
// one record never acknowledged, and texts that need escaping.
UnitSendState BusyState() {
    UnitSendState state;
    state.unitId = "0000000042";
    state.unitFiles[1] = {"2026-12-07T06:30:12+01:00", "-Unit\r\nId=0000000042\r\nAlias=Pump 100%\r\n\r\n-Radio\r\n"};
    state.unitFiles[3] = {"2026-12-08T07:00:00+01:00", "-Unit\r\nAlias=S\xFC" "d\tx\r\n"};
    state.records[1] = {true, "2026-12-07T06:30:12+01:00", 1, {"1:\"Pump 100%\":1:0;"}, {}};
    state.records[3] = {true, "2026-12-08T07:00:00+01:00", 3, {"3:72:1:5;", "3:%0D\r\n;"},
                        "2026-12-09T08:00:00+01:00 4711-1"};
    state.records[10] = {true, "2026-12-07T06:30:12+01:00", 1, {}, {}};
    state.records[12] = {false, {}, 0, {}, "2026-12-09T08:00:00+01:00 4711-1"};
    return state;
}

TEST(UnitSendStateTest, ReadsBackWhatWasWritten) {
    const UnitSendState state = BusyState();
    const std::string text = UnitSendStateText(state);
    const UnitSendStateRead read = ParseUnitSendState(text);
    ASSERT_TRUE(read.state) << read.problem;
    EXPECT_EQ(*read.state, state);
    EXPECT_EQ(UnitSendStateText(*read.state), text);
}

// The file is replaced whole, so a shorter one was cut by something else: it is never taken for a state.
TEST(UnitSendStateTest, AFileCutAnywhereIsRefused) {
    const std::string text = UnitSendStateText(BusyState());
    for (std::size_t length = 0; length + 2 < text.size(); ++length) {
        const UnitSendStateRead read = ParseUnitSendState(text.substr(0, length));
        EXPECT_FALSE(read.state) << length;
        EXPECT_FALSE(read.problem.empty()) << length;
    }
}

struct DamageCase {
    const char* name;
    std::string text;
    std::string problem;
};

class UnitSendStateDamageTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(UnitSendStateDamageTest, SaysWhy) {
    const UnitSendStateRead read = ParseUnitSendState(GetParam().text);
    EXPECT_FALSE(read.state);
    EXPECT_EQ(read.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnitSendStateDamageTest,
    ::testing::Values(
        DamageCase{"Newer", "KORU send state 2\r\nUnit=0000000042\r\nWhatever\r\n",
                   "it was written by a newer version of the program"},
        DamageCase{"NotAState", "Time,Unit\r\n", "it is not a send state file"},
        DamageCase{"NoVersion", "KORU send state x\r\n", "line 1: no format version"},
        DamageCase{"PacketCountTooHigh",
                   "KORU send state 1\r\nUnit=1\r\n-Record 3\r\nAcknowledged=t\r\nUnit file=0\r\nPackets=2\r\n"
                   "Packet=3:1;\r\nUnconfirmed=\r\n-End\r\n",
                   "line 8 is damaged"},
        DamageCase{"BadEscape",
                   "KORU send state 1\r\nUnit=1\r\n-Record 3\r\nAcknowledged=t\r\nUnit file=0\r\nPackets=1\r\n"
                   "Packet=3:%G1;\r\nUnconfirmed=\r\n-End\r\n",
                   "line 7 is damaged"},
        DamageCase{"RecordTwice",
                   "KORU send state 1\r\nUnit=1\r\n-Record 3\r\nAcknowledged=\r\nUnit file=0\r\nPackets=0\r\n"
                   "Unconfirmed=m\r\n-Record 3\r\n-End\r\n",
                   "line 8 is damaged"},
        DamageCase{"UnknownHeading", "KORU send state 1\r\nUnit=1\r\n-Remarks\r\n-End\r\n", "line 3 is damaged"},
        DamageCase{"TextAfterTheEnd", "KORU send state 1\r\nUnit=1\r\n-End\r\nmore\r\n",
                   "line 4: text after the end"}),
    test::RowName());

TEST(UnitSendStateTest, TheNewestUnitFileIsTheOneAcknowledgedLast) {
    UnitSendState state = BusyState();
    EXPECT_EQ(state.newestUnitFile(), &state.unitFiles.at(3));
    state.records.erase(3);
    state.dropUnusedUnitFiles();
    EXPECT_EQ(state.unitFiles.count(3), 0U);
    EXPECT_EQ(state.newestUnitFile(), &state.unitFiles.at(1));
    EXPECT_EQ(state.keepUnitFile("t", "x"), 2);
    EXPECT_EQ(UnitSendState().newestUnitFile(), nullptr);
}

}  // namespace
}  // namespace koru
