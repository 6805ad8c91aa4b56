#include <gtest/gtest.h>

#include <string>

#include "model/FieldChecks.h"

namespace koru {
namespace {

struct Case {
    const char* name;
    std::string text;
    std::string other;  // the unit, or the other retransmission time
    std::string expected;
};

std::string CaseName(const testing::TestParamInfo<Case>& info) { return info.param.name; }

class ChangeChecks : public testing::TestWithParam<Case> {};

// `other` names the check: "number" (times, counts, ping time) or "channel".
TEST_P(ChangeChecks, CorrectTheText) {
    const Case& c = GetParam();
    EXPECT_EQ(ChangeCheck(c.other == "channel" ? FieldCheck::Channel : FieldCheck::NumberOrEmpty, c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    FieldChecks, ChangeChecks,
    testing::Values(Case{"NumberStays", "12", "number", "12"}, Case{"BlanksAroundANumber", " 12 ", "number", " 12 "},
                    Case{"ExponentIsANumber", "1e3", "number", "1e3"},
                    Case{"FractionWithoutDigitsBefore", ".5", "number", ".5"},
                    Case{"LoneSignEmpties", "-", "number", ""}, Case{"UnfinishedExponentEmpties", "1e", "number", ""},
                    Case{"LettersEmpty", "abc", "number", ""}, Case{"DecimalCommaIsNoNumber", "1,5", "number", ""},
                    Case{"HexIsNoNumber", "0x10", "number", ""}, Case{"EmptyStaysEmpty", "", "number", ""},
                    Case{"ChannelInRange", "81", "channel", "81"}, Case{"ChannelAbove", "90", "channel", "81"},
                    Case{"ChannelRoundsBeforeTheBound", "81.4", "channel", "81.4"},
                    Case{"ChannelRoundsUpAboveTheBound", "82.5", "channel", "81"},
                    Case{"ChannelHugeNumber", "1e400", "channel", "81"}, Case{"ChannelNotANumber", "x", "channel", "0"},
                    Case{"ChannelEmpty", "", "channel", "0"}, Case{"NegativeChannelStays", "-5", "channel", "-5"}),
    CaseName);

class TimeLeft : public testing::TestWithParam<Case> {};

TEST_P(TimeLeft, Corrects) { EXPECT_EQ(LeaveTime(GetParam().text, GetParam().other), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    FieldChecks, TimeLeft,
    testing::Values(Case{"Ms150RoundsUp", "150", "ms", "200"}, Case{"Ms250RoundsToEven", "250", "ms", "200"},
                    Case{"Ms350RoundsToEven", "350", "ms", "400"}, Case{"Ms49", "49", "ms", "0"},
                    Case{"Ms50RoundsToEven", "50", "ms", "0"}, Case{"Ms3999", "3999", "ms", "4000"},
                    Case{"Ms4050HeldThenStepped", "4050", "ms", "4000"},
                    Case{"MsExponent", "1.5e2", "ms", "200"}, Case{"SecondsFractionStays", "1.5", "s", "1.5"},
                    Case{"Seconds5000Held", "5000", "s", "4000"}, Case{"Minutes4000Stays", "4000", "min", "4000"},
                    Case{"HalfAboveRoundsToEvenBound", "4000.5", "h", "4000.5"},
                    Case{"NotANumber", "abc", "ms", "0"}, Case{"Empty", "", "s", "0"},
                    Case{"HugeNumber", "1e400", "s", "4000"}, Case{"NegativeStepped", "-150", "ms", "-200"},
                    Case{"NegativeToZero", "-40", "ms", "0"}),
    CaseName);

class TimerUnitLeft : public testing::TestWithParam<Case> {};

TEST_P(TimerUnitLeft, CorrectsTheTime) {
    EXPECT_EQ(LeaveTimerUnit(GetParam().text, GetParam().other), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(FieldChecks, TimerUnitLeft,
                         testing::Values(Case{"TwelveSecondsBecomeMs", "12", "ms", "0"},
                                         Case{"SteppedThenHeld", "4049", "ms", "4000"},
                                         Case{"Stepped", "1234", "ms", "1200"},
                                         Case{"OtherUnitKeeps", "12", "s", "12"},
                                         Case{"NotANumberKeeps", "abc", "ms", "abc"},
                                         Case{"EmptyKeeps", "", "ms", ""}),
                         CaseName);

class RetransmissionLeft : public testing::TestWithParam<Case> {};

// `name` starting with "Min" checks the minimum against `other` as the maximum, and the other way round.
TEST_P(RetransmissionLeft, Corrects) {
    const Case& c = GetParam();
    const bool minimum = std::string(c.name).rfind("Min", 0) == 0;
    EXPECT_EQ(minimum ? LeaveRetransmissionMin(c.text, c.other) : LeaveRetransmissionMax(c.text, c.other), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    FieldChecks, RetransmissionLeft,
    testing::Values(Case{"Min205", "205", "600", "200"}, Case{"Min215", "215", "600", "220"},
                    Case{"MinNegative", "-30", "600", "0"}, Case{"MinAboveMax", "700", "600", "600"},
                    Case{"MinNotANumber", "x", "600", "200"}, Case{"MinEmptyMax", "300", "", "300"},
                    Case{"MinHalfStepToEven", "25", "600", "20"}, Case{"Max3000", "3000", "200", "2500"},
                    Case{"MaxBelowMin", "150", "200", "200"}, Case{"MaxEmpty", "", "200", "600"},
                    Case{"MaxStepped", "604", "200", "600"}, Case{"MaxNegativeTakesMin", "-50", "200", "200"}),
    CaseName);

TEST(FieldChecks, CountsAreHeldAndNonNumbersBecomeZero) {
    EXPECT_EQ(LeaveCount("1e9"), "999999999");
    EXPECT_EQ(LeaveCount("999999999"), "999999999");
    EXPECT_EQ(LeaveCount("999999999.4"), "999999999.4");  // rounds to the bound, so it is not above it
    EXPECT_EQ(LeaveCount("12.7"), "12.7");
    EXPECT_EQ(LeaveCount(""), "0");
    EXPECT_EQ(LeaveCount("abc"), "0");
}

TEST(FieldChecks, LimitsAreEmptiedUnlessNumbers) {
    EXPECT_EQ(LeaveLimit("4.5"), "4.5");
    EXPECT_EQ(LeaveLimit("-1e2"), "-1e2");
    EXPECT_EQ(LeaveLimit("4 V"), "");
    EXPECT_EQ(LeaveLimit(""), "");
}

TEST(FieldChecks, MaskCellsKeepOnlyTheirFourValues) {
    for (const char* kept : {"-", "0", "1", "T"}) EXPECT_EQ(LeaveMaskCell(kept), kept);
    for (const char* refused : {"t", "x", "", "10", " "}) EXPECT_EQ(LeaveMaskCell(refused), "-") << refused;
}

TEST(FieldChecks, DoubleClicksStepCells) {
    EXPECT_EQ(NextMaskCellValue("-"), "0");
    EXPECT_EQ(NextMaskCellValue("0"), "1");
    EXPECT_EQ(NextMaskCellValue("1"), "-");
    EXPECT_EQ(NextMaskCellValue("T"), "-");
    EXPECT_EQ(NextMaskCellValue("x"), "-");
    EXPECT_EQ(NextActionCellValue("-"), "0");
    EXPECT_EQ(NextActionCellValue("0"), "1");
    EXPECT_EQ(NextActionCellValue("1"), "T");
    EXPECT_EQ(NextActionCellValue("T"), "-");
    EXPECT_EQ(NextActionCellValue("t"), "-");
}

TEST(FieldChecks, RoundingToAStepIsHalfToEvenAndWhole) {
    EXPECT_EQ(RoundedToStep(150, 100), "200");
    EXPECT_EQ(RoundedToStep(250, 100), "200");
    EXPECT_EQ(RoundedToStep(-4, 10), "0");  // never "-0"
    EXPECT_EQ(RoundedToStep(1e20, 10), "100000000000000000000");
}

TEST(FieldChecks, ChannelFrequencies) {
    EXPECT_EQ(ChannelFrequencyText("0"), "433.05 MHz");
    EXPECT_EQ(ChannelFrequencyText("1"), "433.075 MHz");
    EXPECT_EQ(ChannelFrequencyText("69"), "434.775 MHz");
    EXPECT_EQ(ChannelFrequencyText("70"), "439.7 MHz");
    EXPECT_EQ(ChannelFrequencyText("81"), "439.975 MHz");
    EXPECT_EQ(ChannelFrequencyText("1e1"), "433.3 MHz");
    EXPECT_EQ(ChannelFrequencyText("-100000"), "-2066.95 MHz");
    EXPECT_EQ(ChannelFrequencyText("-1e20"), "-2500000000000000000 MHz");  // plain decimal, never an exponent
}

}  // namespace
}  // namespace koru
