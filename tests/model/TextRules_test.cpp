#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "model/TextRules.h"

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

TEST(TrimBlanks, RemovesOnlyOuterBlanks) {
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("\ta\r"), "\ta\r");
}

TEST(JoinTexts, PutsTheSeparatorOnlyBetween) {
    EXPECT_EQ(JoinTexts({}, ","), "");
    EXPECT_EQ(JoinTexts({"a"}, ","), "a");
    EXPECT_EQ(JoinTexts({"a", "", "b"}, ", "), "a, , b");
}

}  // namespace
}  // namespace koru
