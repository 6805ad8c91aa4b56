#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/TextParameters.h"

namespace koru {
namespace {

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
