#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPointer>
#include <QSignalSpy>

#include "editor/dialogs/ExportDialog.h"
#include "tests/editor/DialogTesting.h"
#include "tests/support/TestLibrary.h"
#include "tests/support/ScriptedDialogs.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using test::Click;
using test::Control;
using Names = std::vector<std::string>;

class ExportDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        config.radio.channel = "17";
        openDialog();
    }
    void openDialog() {
        dialog = new ExportDialog(config, files.library, dialogs);
        finished = std::make_unique<QSignalSpy>(dialog.data(), &QDialog::finished);
        dialog->open();
    }
    void TearDown() override {
        delete dialog.data();
        test::LetClosedDialogsGo();
    }

    QCheckBox* box(const std::string& name) const {
        return Control<QCheckBox>(dialog, QString::fromStdString(name));
    }
    // Clicks near the box itself (a stretched box misses a click in its middle).
    void tick(const std::string& name) const {
        QCheckBox* target = box(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
    }
    std::vector<bool> ticked() const {
        std::vector<bool> states;
        for (const ParameterRow& row : ParameterRows()) states.push_back(box(row.control)->isChecked());
        return states;
    }
    // Exports to `name` in the parameter files folder and returns the file's bytes.
    std::string exportTo(const std::string& name) {
        dialogs.files = {(files.library.parameterFilesFolder() / name).string()};
        Click(dialog, "cmdOk");
        return test::ReadBytes(files.library.parameterFilesFolder() / name);
    }
    bool closedWith(int result) const {
        return finished->count() == 1 && finished->front().front().toInt() == result;
    }

    test::TestLibrary files;
    test::ScriptedDialogs dialogs;
    UnitConfiguration config;
    QPointer<ExportDialog> dialog;
    std::unique_ptr<QSignalSpy> finished;
};

TEST_F(ExportDialogTest, ThreeFramesOfUncheckedBoxesWithTheRemoteEventsBoxHidden) {
    EXPECT_EQ(dialog->windowTitle(), "Export parameters");
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(ticked(), std::vector<bool>(16, false));
    EXPECT_EQ(box("chkInputSetup")->parentWidget()->property("title"), "Save setup");
    EXPECT_EQ(box("chkRemoteEvents")->parentWidget()->property("title"), "Save events");
    EXPECT_EQ(box("chkCounterActions")->parentWidget()->property("title"), "Save actions");
    for (const ParameterRow& row : ParameterRows()) EXPECT_EQ(box(row.control)->isVisible(), row.shown) << row.name;
}

// Each All box ticks and clears its own frame (which rows a frame holds is the parameter selection's test).
TEST_F(ExportDialogTest, AllBoxesTickAndClearTheirFrameOnly) {
    tick("chkRadioSetup");
    tick("chkAllEvents");
    std::vector<bool> expected(16, false);
    expected[1] = true;
    for (int row = 6; row <= 11; ++row) expected[row] = true;  // the hidden remote events box too
    EXPECT_EQ(ticked(), expected);
    tick("chkAllActions");
    tick("chkAllSetup");
    EXPECT_EQ(ticked(), std::vector<bool>(16, true));
    tick("chkAllEvents");
    tick("chkAllSetup");
    for (int row = 12; row <= 15; ++row) expected[row] = true;
    for (int row = 0; row <= 11; ++row) expected[row] = false;
    EXPECT_EQ(ticked(), expected);
}

TEST_F(ExportDialogTest, OnlyRadioSetupWritesTheRadioSectionAndOneEmptyLine) {
    tick("chkRadioSetup");
    EXPECT_EQ(exportTo("radio.kpf"),
              "-Radio\r\nChannel=17\r\nProtocol=<KORU-Standard>\r\nRetransmitt=3\r\nBroadcast=3\r\n"
              "General broadcast=0\r\nGateway=1\r\n\r\n");
    EXPECT_TRUE(closedWith(QDialog::Accepted));
    ASSERT_EQ(dialogs.choosers.size(), 1u);
    EXPECT_EQ(dialogs.choosers[0].title, "Save parameters...");
    EXPECT_EQ(dialogs.choosers[0].filter, "Units (*.kpf)");
    EXPECT_EQ(dialogs.choosers[0].folder, files.library.parameterFilesFolder().string());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ExportDialogTest, NothingTickedWritesAnEmptyFile) {
    EXPECT_EQ(exportTo("empty.kpf"), "");
    EXPECT_TRUE(fs::exists(files.library.parameterFilesFolder() / "empty.kpf"));
}

TEST_F(ExportDialogTest, ANameWithoutTheExtensionGetsIt) {
    tick("chkRadioSetup");
    dialogs.files = {(files.library.parameterFilesFolder() / "pump radio").string()};
    Click(dialog, "cmdOk");
    EXPECT_EQ(files.namesIn(files.library.parameterFilesFolder()), Names{"pump radio.kpf"});
    EXPECT_EQ(WithParameterExtension("/a/b.KPF"), "/a/b.KPF");
    EXPECT_EQ(WithParameterExtension("/a.kpf/b"), "/a.kpf/b.kpf");
    EXPECT_EQ(WithParameterExtension("/a/.kpf"), "/a/.kpf.kpf");
}

// The file chooser never asks itself (its question would wait in a nested event loop): replacing an existing
// file, named with or without its extension, is asked about here.
TEST_F(ExportDialogTest, ReplacingAnExistingFileAsksFirst) {
    const fs::path existing = files.library.parameterFilesFolder() / "pump.kpf";
    test::WriteBytes(existing, "old");
    tick("chkRadioSetup");
    dialogs.files = {(files.library.parameterFilesFolder() / "pump").string()};
    Click(dialog, "cmdOk");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].question);
    EXPECT_EQ(dialogs.shown[0].text,
              "\"" + existing.string() + "\" already exists.\nDo you want to replace it?");
    EXPECT_EQ(test::ReadBytes(existing), "old");
    EXPECT_TRUE(dialog->isVisible());

    dialogs.files = {existing.string()};
    dialogs.answers = {false};
    Click(dialog, "cmdOk");
    EXPECT_EQ(test::ReadBytes(existing), "old");

    dialogs.files = {(files.library.parameterFilesFolder() / "pump").string()};
    dialogs.answers = {true};
    Click(dialog, "cmdOk");
    EXPECT_EQ(test::ReadBytes(existing).rfind("-Radio\r\n", 0), 0u);
    EXPECT_TRUE(closedWith(QDialog::Accepted));
}

TEST_F(ExportDialogTest, AFailedWriteIsExplainedLeavesNothingAndKeepsTheDialogOpen) {
    tick("chkAllSetup");
    const fs::path folder = files.library.parameterFilesFolder();
    fs::create_directory(folder / "taken.kpf");  // a folder where the file should go
    for (const fs::path& target : {folder / "missing" / "x.kpf", folder / "taken.kpf"}) {
        SCOPED_TRACE(target.string());
        dialogs.shown.clear();
        dialogs.files = {target.string()};
        Click(dialog, "cmdOk");
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "Export parameters");
        EXPECT_EQ(dialogs.shown[0].text.rfind(
                      "The parameters could not be exported to \"" + target.string() + "\": ", 0),
                  0u)
            << dialogs.shown[0].text;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(finished->count(), 0);
    }
    EXPECT_EQ(files.namesIn(folder), Names{"taken.kpf"});  // no temporary file left behind
    EXPECT_TRUE(fs::is_directory(folder / "taken.kpf"));
}

// A cancelled chooser, Cancel and the close box all end the dialog and write nothing.
TEST_F(ExportDialogTest, CancellingWritesNothing) {
    for (const char* how : {"chooser", "cmdCancel", "close box"}) {
        SCOPED_TRACE(how);
        tick("chkAllActions");
        if (how == std::string("close box")) {
            dialog->close();
        } else {
            Click(dialog, how == std::string("chooser") ? "cmdOk" : how);
        }
        EXPECT_TRUE(closedWith(QDialog::Rejected));
        test::LetClosedDialogsGo();
        EXPECT_EQ(dialog, nullptr);
        openDialog();
    }
    EXPECT_EQ(dialogs.choosers.size(), 1u);
    EXPECT_TRUE(files.namesIn(files.library.parameterFilesFolder()).empty());
}

}  // namespace
}  // namespace koru
