#include <gtest/gtest.h>

#include "protocol/UnitNumber.h"

namespace koru {
namespace {

struct HexCase {
    const char* text;
    const char* upperUnit;
    const char* expected;
};

TEST(UnitNumberHex, ConvertsUnitNumbersAndDestinations) {
    const HexCase cases[] = {
        {"42", "", "0000002A"},
        {"0", "", "00000000"},
        {"255", "", "000000FF"},
        {"2147483647", "", "7FFFFFFF"},
        {"2147483648", "", "80000000"},
        {"4294967295", "", "FFFFFFFF"},
        {"3.5", "", "00000004"},
        {"2.5", "", "00000002"},
        {"-1", "", "FFFFFFFF"},
        {"", "", "00000000"},
        {"letters", "", "00000000"},
        {"12ab", "", "0000000C"},
        {"0000001234(Pump house)", "", "000004D2"},
        {"[General", "", "FFFFFFFF"},
        {"[Serial", "", "00000000"},
        {"[Upper", "0000000017(Upper)", "00000011"},
        {"[Upper", "", "00000000"},
        {"[General Broadcast]", "", "00000000"},  // only the exact first word is special
        {"[general", "", "00000000"},
        {"-2147483648", "", "80000000"},
    };
    for (const auto& c : cases) {
        const UnitNumber number = UnitNumberHex(c.text, c.upperUnit);
        EXPECT_EQ(number.text, c.expected) << '"' << c.text << '"';
        EXPECT_TRUE(number.steps.empty()) << '"' << c.text << '"';
    }
}

TEST(UnitNumberHex, OverflowShowsAMessageAndGivesNothing) {
    const UnitNumber number = UnitNumberHex("4294967296", "");
    EXPECT_EQ(number.text, "");
    const EncoderSteps expected{{EncoderStep::Kind::MessageBox, "Overflow in Hex-conversion ( 4294967296)",
                                 "Hex Conversion error"}};
    EXPECT_EQ(number.steps, expected);
}

TEST(UnitNumberHex, UpperUnitOverflowNamesTheUpperUnitsDigits) {
    const UnitNumber number = UnitNumberHex("[Upper", "99999999999(Big)");
    EXPECT_EQ(number.text, "");
    ASSERT_EQ(number.steps.size(), 1u);
    EXPECT_EQ(number.steps[0].text, "Overflow in Hex-conversion ( 9999999999)");
}

TEST(UnitNumberHex, NumbersBelowTheSignedRangeAreLogged) {
    const UnitNumber number = UnitNumberHex("-2147483649", "");
    EXPECT_EQ(number.text, "");
    const EncoderSteps expected{{EncoderStep::Kind::LinkLog, "\r\nError in MyHex(): Overflow", ""}};
    EXPECT_EQ(number.steps, expected);
}

TEST(UnitNumberHex, AnUpperUnitNamedUpperDoesNotRecurse) {
    EXPECT_EQ(UnitNumberHex("[Upper", "[Upper").text, "00000000");
}

}  // namespace
}  // namespace koru
