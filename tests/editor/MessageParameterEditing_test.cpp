#include <gtest/gtest.h>

#include <QComboBox>

#include "editor/dialogs/AddParameterDialog.h"
#include "tests/editor/WindowTesting.h"

namespace koru {
namespace {

class MessageParameterEditingTest : public ::testing::Test {
protected:
    AddParameterDialog* openParameters() const {
        w.press("cmdAddParameter");
        return w.openDialog<AddParameterDialog>();
    }
    std::string text(int message) const {
        return w.window->configuration().messageActions.messages[message].text;
    }

    test::EditingWindow w;
};

TEST_F(MessageParameterEditingTest, WithoutAFocusedTextTheTokenGoesToMessageOne) {
    AddParameterDialog* dialog = openParameters();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(w.window->isWindowEnabled());
    test::Click(dialog, "cmdAddParam(0)");
    EXPECT_EQ(text(0), "<I>");
    EXPECT_EQ(w.get<QLineEdit>("txtTextString(0)")->text(), "<I>");
    EXPECT_TRUE(w.window->isWindowEnabled());
}

TEST_F(MessageParameterEditingTest, TheTokenGoesToTheTextThatLastHadTheFocus) {
    w.type("txtTextString(6)", "Tank ");
    for (const char* timer : {"Timer 3 + unit", "Timer 3"}) {
        AddParameterDialog* dialog = openParameters();
        test::Control<QComboBox>(dialog, "cmbTimer")->setCurrentText(timer);
        test::Click(dialog, "cmdAddParam(8)");
        test::LetClosedDialogsGo();
    }
    EXPECT_EQ(text(6), "Tank <TU3><T3>");
    EXPECT_EQ(text(0), "");
}

TEST_F(MessageParameterEditingTest, ATokenMayTakeATextPastItsTypingLimit) {
    w.type("txtTextString(2)", "abcdefghijklmnopqrstuvwxyz12");
    test::Click(openParameters(), "cmdAddParam(7)");
    EXPECT_EQ(text(2), "abcdefghijklmnopqrstuvwxyz12<IO>");
    EXPECT_EQ(w.get<QLineEdit>("txtTextString(2)")->text().size(), 32);
}

// (Cancel and the close box choose nothing alike: the dialog's own test.)
TEST_F(MessageParameterEditingTest, TheCloseBoxAddsNothing) {
    openParameters()->close();
    EXPECT_EQ(text(0), "");
    EXPECT_TRUE(w.window->isWindowEnabled());
}

}  // namespace
}  // namespace koru
