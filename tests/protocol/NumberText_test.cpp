#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "protocol/NumberText.h"

namespace koru {
namespace {

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
