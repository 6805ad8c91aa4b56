#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "protocol/NumberText.h"

namespace koru {
namespace {

struct LeadingCase {
    const char* text;
    double expected;
};

TEST(LeadingNumber, ReadsTheLongestNumericBeginning) {
    const LeadingCase cases[] = {
        {"42", 42},          {"12ab", 12},        {"", 0},            {"abc", 0},
        {" 1 2 3", 123},     {"\t-4\n5", -45},    {"- 5", -5},        {"+7", 7},
        {"3.5", 3.5},        {".5", 0.5},         {"5.", 5},          {"1.2.3", 1.2},
        {"1e3", 1000},       {"1E-2", 0.01},      {"2e+2x", 200},     {"1e", 1},
        {"1e+", 1},          {"1ex5", 1},         {".", 0},           {"-", 0},
        {"0x1A", 0},         {"&H10", 0},         {"1 e 2", 100},     {"13,10 (CRLF)", 13},
        {"100ms", 100},      {"1.5s", 1.5},       {"1e999", std::numeric_limits<double>::infinity()},
        {"-1e999", -std::numeric_limits<double>::infinity()},       {"1e-999", 0},
        {"\r5", 0},  // a carriage return is not skipped
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

struct ValidCase {
    const char* text;
    bool valid;
};

TEST(IsValidNumber, AcceptsOnlyWholePlainDecimals) {
    const ValidCase cases[] = {
        {"5", true},      {" 5 ", true},    {"-5", true},     {"+5", true},    {"5.", true},
        {".5", true},     {"1e3", true},    {"1E-3", true},   {"-1.5e+2", true}, {"", false},
        {"   ", false},   {".", false},     {"-", false},     {"1e", false},   {"5 5", false},
        {"12ab", false},  {"0x10", false},  {"\t5", false},   {"1,5", false},  {"e3", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidNumber(c.text), c.valid) << '"' << c.text << '"';
    }
    EXPECT_EQ(ValidNumber(" -2.5e1 "), -25.0);
    EXPECT_FALSE(ValidNumber("x").has_value());
}

struct DecimalCase {
    double value;
    const char* text;
};

TEST(ShortestDecimal, WritesUpToFifteenSignificantDigits) {
    const DecimalCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {20, "20"},
        {20.5, "20.5"},
        {-3, "-3"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2963, "2963"},
        {0.00001, "0.00001"},
        {0.000001, "1E-06"},
        {0.0000025, "2.5E-06"},
        {999999999999999, "999999999999999"},
        {1e15, "1E+15"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {-1e20, "-1E+20"},
        {33.333333333333336, "33.3333333333333"},
        {100, "100"},
        {1e14, "100000000000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortestDecimal(c.value), c.text) << c.value;
    }
    EXPECT_EQ(ShortestDecimal(std::numeric_limits<double>::infinity()), "");
}

struct RoundCase {
    double value;
    double rounded;
};

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour) {
    const RoundCase cases[] = {
        {0.5, 0},  {1.5, 2},   {2.5, 2},   {3.5, 4},  {-0.5, 0}, {-1.5, -2},
        {-2.5, -2}, {2.4, 2},  {2.6, 3},   {-2.6, -3}, {400.5, 400}, {1600.5, 1600},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    }
}

TEST(CheckedConversions, FailOutsideTheIntegerRange) {
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_FALSE(ToInt16(32767.5).has_value());
    EXPECT_EQ(ToInt16(-32768.5), -32768);
    EXPECT_FALSE(ToInt16(-32769).has_value());
    EXPECT_EQ(ToInt32(2147483647), 2147483647);
    EXPECT_FALSE(ToInt32(2147483647.5).has_value());
    EXPECT_EQ(ToInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(ToInt32(-2147483649.0).has_value());
    EXPECT_FALSE(ToInt32(std::nan("")).has_value());
    EXPECT_FALSE(ToInt16(std::numeric_limits<double>::infinity()).has_value());
}

TEST(PadKeepLast, PadsOrCutsFromTheLeft) {
    EXPECT_EQ(PadKeepLast("2", 3), "002");
    EXPECT_EQ(PadKeepLast("19", 3), "019");
    EXPECT_EQ(PadKeepLast("1234", 3), "234");
    EXPECT_EQ(PadKeepLast("-1", 3), "0-1");
    EXPECT_EQ(PadKeepLast("", 3), "000");
}

TEST(HexDigits, KeepsTheLastDigitsOfTheWord) {
    EXPECT_EQ(HexDigits(42, 8), "0000002A");
    EXPECT_EQ(HexDigits(0xFFFFFFCEu, 3), "FCE");
    EXPECT_EQ(HexDigits(0xD800, 4), "D800");
}

}  // namespace
}  // namespace koru
