#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "editor/dialogs/AboutDialog.h"
#include "editor/dialogs/DeleteUnitDialog.h"
#include "editor/dialogs/ExportDialog.h"
#include "editor/dialogs/NewUnitDialog.h"
#include "platform/widgets/QtUserDialogs.h"
#include "tests/editor/WindowTesting.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::string>;
using Shown = test::ScriptedDialogs::Shown;

const Shown kSavePrompt{"Do you want to save unit?", "Save unit...", true};

class UnitCommandsTest : public ::testing::Test {
protected:
    void trigger(const char* item) const {
        QAction* action = w.window->findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }
    // Fills in the new-unit dialog and presses Ok.
    void create(const QString& id, const QString& alias, const QString& type) const {
        auto* dialog = w.openDialog<NewUnitDialog>();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(test::Control<QLineEdit>(dialog, "txtId"), id);
        QTest::keyClicks(test::Control<QLineEdit>(dialog, "txtAlias"), alias);
        test::Control<QComboBox>(dialog, "cmbType")->setCurrentText(type);
        test::Click(dialog, "cmdOk");
    }
    std::string label(const QString& name) const {
        return FromWidgetText(w.get<QLabel>(name)->text()).value();
    }

    test::EditingWindow w{{"0000000007(Tank).kuf"}};
    const UnitConfiguration& config = w.window->configuration();
};

// The menus and their items in order, the unit commands working once the unit editing is attached.
TEST_F(UnitCommandsTest, TheMenusHoldTheItemsInOrder) {
    std::vector<std::string> items;
    for (const QAction* menu : w.window->menuBar()->actions()) {
        items.push_back(menu->menu()->objectName().toStdString() + ":");
        for (const QAction* action : menu->menu()->actions()) {
            items.push_back(action->isSeparator() ? "-" : action->objectName().toStdString());
            // (The map, the communication settings and the send history work once they are attached; Undo
            // and Redo when there is a step.)
            const WindowMenus& menus = w.window->menus();
            const bool works = !action->isSeparator() && action != menus.networkMap &&
                               action != menus.commSettings && action != menus.compareWithLastSend &&
                               action != menus.sendHistory && action != menus.undo && action != menus.redo;
            if (works) {
                EXPECT_TRUE(action->isEnabled()) << items.back();
            }
        }
    }
    EXPECT_EQ(items, (Entries{"mnuFile:", "mnuNewKoru", "mnuDeleteKoru", "-", "mnuOpenKoru", "mnuRecentUnits",
                              "mnuSaveKoru", "-", "mnuExportKoru", "mnuImportKoru", "-", "mnuCompareLastSend",
                              "mnuSendHistory", "-", "mnuExit", "mnuEdit:", "mnuUndo", "mnuRedo", "mnuView:",
                              "mnuNetworkMap",
                              "mnuSettings:", "mnuCommSettings", "mnuHelp:", "mnuAbout"}));
    for (const auto& [item, key] : {std::pair{"mnuNewKoru", Qt::Key_N}, std::pair{"mnuOpenKoru", Qt::Key_O},
                                    std::pair{"mnuSaveKoru", Qt::Key_S}, std::pair{"mnuExit", Qt::Key_Q}}) {
        EXPECT_EQ(w.window->findChild<QAction*>(item)->shortcut(), QKeySequence(Qt::CTRL | key)) << item;
    }
}

TEST_F(UnitCommandsTest, NewMakesTheUnitTheWindowsAndListsIt) {
    trigger("mnuNewKoru");  // no unit open: no save prompt
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_TRUE(w.window->isWindowEnabled());  // the new-unit dialog leaves the window usable
    create("42", "Pump", "KORU Base");
    EXPECT_EQ(w.openDialog(), nullptr);
    EXPECT_EQ(label("lblId"), "0000000042");
    EXPECT_EQ(w.get<QLineEdit>("txtAlias")->text(), "Pump");
    EXPECT_EQ(label("lblAlias"), "Pump");
    EXPECT_EQ(w.window->windowHandle()->title(), "Pump - 0000000042");
    EXPECT_EQ(w.items("lstUnitInSystem"), (Entries{"0000000007(Tank)", "0000000042(Pump)"}));

    trigger("mnuNewKoru");  // a unit is open: the save prompt comes first
    EXPECT_EQ(w.dialogs.shown, std::vector<Shown>{kSavePrompt});
    EXPECT_NE(w.openDialog<NewUnitDialog>(), nullptr);
}

TEST_F(UnitCommandsTest, DeletingAnotherUnitLeavesTheOpenOneAndClosingRefreshesTheLists) {
    w.files.addUnitFile("0000000008(Well).kuf");
    w.window->refreshUnitLists();
    UnitConfiguration tank = config;
    tank.unit = {"0000000007", "Tank", "KORU Base"};
    w.window->replaceConfiguration(tank);
    EXPECT_EQ(w.items("lstUnitInSystem").size(), 2u);

    trigger("mnuDeleteKoru");
    auto* dialog = w.openDialog<DeleteUnitDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(w.window->isWindowEnabled());
    test::Control<ListBox>(dialog, "lstUnitInSystem")->setCurrentRow(1);
    w.dialogs.answers = {true};
    test::Click(dialog, "cmdRemoveUnit");
    EXPECT_EQ(w.files.unitFiles(), Entries{"0000000007(Tank).kuf"});
    EXPECT_EQ(w.items("lstUnitInSystem").size(), 2u);  // until the dialog closes

    dialog->close();  // the close box
    EXPECT_TRUE(w.window->isWindowEnabled());
    EXPECT_EQ(w.items("lstUnitInSystem"), Entries{"0000000007(Tank)"});
    EXPECT_EQ(w.items("lstDestOutputFlag"), (Entries{"-", "[Upper unit]", "0000000007(Tank)", "[General Broadcast]"}));
    EXPECT_EQ(label("lblId"), "0000000007");
}

// (What the dialog writes is the export dialog's own test.)
TEST_F(UnitCommandsTest, ExportOpensItsDialogWhileTheWindowWaits) {
    w.window->edit(QStringLiteral("Channel"), [](UnitConfiguration& unit) {
        unit.radio.channel = "5";
        return true;
    });
    trigger("mnuExportKoru");
    auto* dialog = w.openDialog<ExportDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(w.window->isWindowEnabled());
    test::Control<QCheckBox>(dialog, "chkRadioSetup")->setChecked(true);
    const fs::path file = w.files.library.parameterFilesFolder() / "radio.kpf";
    w.dialogs.files = {file.string()};
    test::Click(dialog, "cmdOk");
    EXPECT_EQ(test::ReadBytes(file).rfind("-Radio\r\nChannel=5\r\n", 0), 0u);  // the window's unit
    EXPECT_TRUE(w.window->isWindowEnabled());
}

// (A click on any part closes it: the about dialog's own test.)
TEST_F(UnitCommandsTest, AboutOpensOnceBesideTheWindow) {
    trigger("mnuAbout");
    trigger("mnuAbout");  // brings the open one forward
    EXPECT_EQ(w.window->findChildren<AboutDialog*>().size(), 1);
    EXPECT_NE(w.openDialog<AboutDialog>(), nullptr);
    EXPECT_TRUE(w.window->isWindowEnabled());
}

TEST_F(UnitCommandsTest, ClosingTheWindowClosesItsDialogs) {
    trigger("mnuDeleteKoru");
    ASSERT_NE(w.openDialog<DeleteUnitDialog>(), nullptr);
    w.window->close();  // no unit open: no question
    EXPECT_EQ(w.openDialog(), nullptr);
    EXPECT_TRUE(w.dialogs.shown.empty());
}

}  // namespace
}  // namespace koru

namespace koru {
namespace {

// With the real message boxes: the question comes as a window-modal box over the dialog, and the answer
// given there runs the library operation.
TEST(UnitCommandsWithMessageBoxes, TheDeleteQuestionIsAnsweredInARealBox) {
    test::TestLibrary files;
    files.addUnitFile("0000000007(Tank).kuf");
    QtUserDialogs dialogs;
    MainWindow window(UnitLibrary(files.dir.path()), dialogs);
    dialogs.setParent(&window);
    AttachUnitEditing(window);
    window.show();

    window.menus().deleteUnit->trigger();
    auto* dialog = window.findChild<DeleteUnitDialog*>();
    ASSERT_NE(dialog, nullptr);
    test::Control<ListBox>(dialog, "lstUnitInSystem")->setCurrentRow(0);
    test::Click(dialog, "cmdRemoveUnit");
    QMessageBox* box = nullptr;
    for (QMessageBox* shown : window.findChildren<QMessageBox*>()) {
        if (shown->isVisible()) box = shown;
    }
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Are you sure that you want to delete 0000000007(Tank)?");
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(files.unitFiles().size(), 1u);  // nothing happens before the answer
    test::Click(box->button(QMessageBox::Yes));
    EXPECT_TRUE(files.unitFiles().empty());
    EXPECT_EQ(test::Control<ListBox>(dialog, "lstUnitInSystem")->count(), 0);
    dialog->close();
    EXPECT_TRUE(window.isWindowEnabled());
    test::LetClosedDialogsGo();
}

}  // namespace
}  // namespace koru
