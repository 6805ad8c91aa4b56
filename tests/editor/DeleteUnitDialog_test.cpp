#include <gtest/gtest.h>

#include <QPointer>
#include <QSignalSpy>

#include "editor/ListBox.h"
#include "editor/dialogs/DeleteUnitDialog.h"
#include "tests/editor/DialogTesting.h"
#include "tests/support/TestLibrary.h"
#include "tests/support/ScriptedDialogs.h"

namespace koru {
namespace {

using test::Click;
using test::Control;
using test::Items;
using Names = std::vector<std::string>;
using Shown = test::ScriptedDialogs::Shown;

class DeleteUnitDialogTest : public ::testing::Test {
protected:
    void open() {
        dialog = new DeleteUnitDialog(files.library, dialogs);
        finished = std::make_unique<QSignalSpy>(dialog.data(), &QDialog::finished);
        dialog->open();
        list = Control<ListBox>(dialog, "lstUnitInSystem");
    }
    void TearDown() override {
        delete dialog.data();
        test::LetClosedDialogsGo();
    }
    void remove(int row) {
        list->setCurrentRow(row);
        Click(dialog, "cmdRemoveUnit");
    }

    test::TestLibrary files;
    test::ScriptedDialogs dialogs;
    QPointer<DeleteUnitDialog> dialog;
    std::unique_ptr<QSignalSpy> finished;
    ListBox* list = nullptr;
};

TEST_F(DeleteUnitDialogTest, DeletesTheChosenUnitOnYesOnly) {
    files.addUnitFile("0000000001(Pump).kuf");
    files.addUnitFile("0000000002(P\xC3\xBCmp \xC3\x98st).kuf");  // the file system's UTF-8 name
    open();
    EXPECT_EQ(dialog->windowTitle(), "Delete KORU unit");
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    ASSERT_EQ(list->count(), 2);

    Click(dialog, "cmdRemoveUnit");  // nothing selected
    EXPECT_TRUE(dialogs.shown.empty());

    const std::string entry = files.library.UnitEntries()[0];
    remove(0);  // answered No
    const Shown question{"Are you sure that you want to delete " + entry + "?", "Delete unit...", true};
    EXPECT_EQ(dialogs.shown, std::vector<Shown>{question});
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(files.unitFiles().size(), 2u);

    dialogs.answers = {true};
    remove(0);
    EXPECT_EQ(files.unitFiles(), (Names{"0000000002(P\xC3\xBCmp \xC3\x98st).kuf"}));
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(Items(list), files.library.UnitEntries());
    dialogs.answers = {true};
    remove(0);
    EXPECT_TRUE(files.unitFiles().empty());
    EXPECT_EQ(list->count(), 0);
}

// Entries that name no unit file of the library are refused with the reason, and nothing is deleted.
TEST_F(DeleteUnitDialogTest, AnEntryThatNamesNoUnitFileIsRefusedWithAMessage) {
    files.addUnitFile("0000000001(A\\B).kuf");  // a backslash cannot stand in an entry
    files.addUnitFile("0000000002(Gone).kuf");
    open();
    ASSERT_EQ(list->count(), 2);
    std::filesystem::remove(files.library.unitsFolder() / "0000000002(Gone).kuf");  // deleted behind its back
    for (int row : {0, 1}) {
        dialogs.shown.clear();
        dialogs.answers = {true};
        remove(row);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_FALSE(dialogs.shown[0].question);
        EXPECT_EQ(dialogs.shown[0].title, "Delete KORU unit");
        EXPECT_EQ(dialogs.shown[0].text.rfind("There is no unit", 0), 0u) << dialogs.shown[0].text;
    }
    EXPECT_EQ(files.unitFiles(), (Names{"0000000001(A\\B).kuf"}));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(DeleteUnitDialogTest, CloseAndTheCloseBoxEndTheDialog) {
    for (bool closeBox : {false, true}) {
        open();
        if (closeBox) {
            dialog->close();
        } else {
            Click(dialog, "cmdClose");
        }
        EXPECT_EQ(finished->count(), 1);
        test::LetClosedDialogsGo();
        EXPECT_EQ(dialog, nullptr);
    }
}

}  // namespace
}  // namespace koru
