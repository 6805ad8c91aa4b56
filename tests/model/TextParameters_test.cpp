#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/TextParameters.h"

namespace koru {
namespace {

struct TokenCase {
    const char* name;
    int row;
    const char* choice;
    const char* token;
};

class TextParameterTokens : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TextParameterTokens, FollowTheRowAndItsChoice) {
    EXPECT_EQ(TextParameterToken(GetParam().row, GetParam().choice), GetParam().token);
}

INSTANTIATE_TEST_SUITE_P(
    All, TextParameterTokens,
    ::testing::Values(TokenCase{"Id", 0, "", "<I>"}, TokenCase{"Alias", 1, "", "<A>"},
                      TokenCase{"Type", 2, "", "<T>"},
                      TokenCase{"HardwareVersion", 3, "Hardware version", "<H>"},
                      TokenCase{"SoftwareVersion", 3, "Software version", "<S>"},
                      TokenCase{"Input6", 4, "Input 6", "<I6>"}, TokenCase{"Output1", 5, "Output 1", "<O1>"},
                      TokenCase{"Flag8", 6, "Flag 8", "<F8>"}, TokenCase{"AllIO", 7, "", "<IO>"},
                      TokenCase{"Timer3", 8, "Timer 3", "<T3>"},
                      TokenCase{"Timer3WithUnit", 8, "Timer 3 + unit", "<TU3>"},
                      TokenCase{"Counter4", 9, "Counter 4", "<C4>"}, TokenCase{"Message", 10, "", "<M>"},
                      TokenCase{"CarriageReturn", 11, "Carriage return", "<CR>"},
                      TokenCase{"LineFeed", 11, "Line feed", "<LF>"},
                      TokenCase{"Line2", 12, "Line 2", "<L2>"}, TokenCase{"Line12", 12, "Line 12", "<L12>"},
                      TokenCase{"Rssi", 13, "", "<R>"}, TokenCase{"InteractingUnit", 14, "", "<U>"}),
    [](const auto& param) { return std::string(param.param.name); });

// Every item of every drop-down gives a token of its own, and a fixed row ignores the choice.
TEST(TextParameters, EveryChoiceGivesADistinctToken) {
    std::set<std::string> tokens;
    int choices = 0;
    for (int row = 0; row < kTextParameterRows; ++row) {
        const TextParameterRow& info = TextParameterRows()[row];
        if (info.choices.empty()) {
            EXPECT_FALSE(info.description.empty()) << info.caption;
            EXPECT_EQ(TextParameterToken(row, "Line 5"), TextParameterToken(row, ""));
            tokens.insert(TextParameterToken(row, ""));
            ++choices;
        }
        for (std::string_view choice : info.choices) {
            tokens.insert(TextParameterToken(row, choice));
            ++choices;
        }
    }
    EXPECT_EQ(choices, 7 + 2 + 6 + 4 + 8 + 8 + 4 + 2 + 20);
    EXPECT_EQ(tokens.size(), static_cast<std::size_t>(choices));
}

TEST(TextParameters, TextsShorterThanTheRulesExpectGiveATokenWithoutANumber) {
    EXPECT_EQ(TextParameterToken(8, "unit"), "<TU>");
    EXPECT_EQ(TextParameterToken(12, "Li"), "<L>");
    EXPECT_EQ(TextParameterToken(4, ""), "<I>");
    EXPECT_EQ(TextParameterToken(15, "Line 1"), "");
}

}  // namespace
}  // namespace koru
