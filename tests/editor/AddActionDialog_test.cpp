#include <gtest/gtest.h>

#include <QListWidget>
#include <QPointer>

#include "editor/dialogs/AddActionDialog.h"
#include "tests/editor/DialogTesting.h"

namespace koru {
namespace {

using test::Click;
using test::Control;
using test::Items;

const TextList kOffered{"Send: Message 1 to 0000000042(P\xFCmp)", "Set: 1--- --------", "Start timer 2",
                        "Reset Counter 1", "Sleep mode"};

class AddActionDialogTest : public ::testing::Test {
protected:
    void open(TextList current) {
        dialog = new AddActionDialog(kOffered, std::move(current));
        dialog->open();
        offered = Control<QListWidget>(dialog, "lstAction");
        current_ = Control<QListWidget>(dialog, "lstCurrentActions");
    }
    void TearDown() override {
        delete dialog.data();
        test::LetClosedDialogsGo();
    }
    void add(int row) {
        offered->setCurrentRow(row);
        Click(dialog, "cmdAddAction");
    }

    QPointer<AddActionDialog> dialog;
    QListWidget* offered = nullptr;
    QListWidget* current_ = nullptr;
};

TEST_F(AddActionDialogTest, ShowsTheOfferedActionsAndTheEventsList) {
    open({"Stop timer 4"});
    EXPECT_EQ(dialog->objectName(), "frmAddAction");
    EXPECT_EQ(dialog->windowTitle(), "Actions");
    EXPECT_EQ(Items(offered), kOffered);
    EXPECT_EQ(Items(current_), TextList{"Stop timer 4"});
}

TEST_F(AddActionDialogTest, AddsBySelectionOrDoubleClickAndKeepsOneCopy) {
    open({});
    Click(dialog, "cmdAddAction");  // nothing selected
    EXPECT_EQ(Items(current_), TextList{});
    add(2);
    test::DoubleClickRow(offered, 0);
    add(2);
    test::DoubleClickRow(offered, 2);
    EXPECT_EQ(Items(current_), (TextList{"Start timer 2", "Send: Message 1 to 0000000042(P\xFCmp)"}));
    EXPECT_EQ(dialog->currentActions(), Items(current_));
}

TEST_F(AddActionDialogTest, RemovesBySelectionOrDoubleClick) {
    open({"A", "B", "C", "Sleep mode"});
    Click(dialog, "cmdRemoveAction");  // nothing selected
    EXPECT_EQ(Items(current_).size(), 4u);
    current_->setCurrentRow(1);
    Click(dialog, "cmdRemoveAction");
    test::DoubleClickRow(current_, 2);
    EXPECT_EQ(dialog->currentActions(), (TextList{"A", "C"}));
    EXPECT_EQ(Items(current_), (TextList{"A", "C"}));
}

}  // namespace
}  // namespace koru
