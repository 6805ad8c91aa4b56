#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include <filesystem>
#include <functional>

#include "editor/ChoiceBox.h"
#include "editor/history/HistoryCommands.h"
#include "editor/history/HistoryText.h"
#include "model/SendHistory.h"
#include "protocol/SendGroupTable.h"
#include "tests/editor/SendRig.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SampleUnits.h"

namespace koru {
namespace {

using test::Control;
using test::PrintTo;
using test::SendRig;
using test::SimulatedLine;

// The boxes of the send dialog that send something, in its order.
const std::vector<std::string> kGroupBoxes = [] {
    std::vector<std::string> boxes;
    for (const SendGroupDescription& group : SendGroupTable()) boxes.emplace_back(group.control);
    return boxes;
}();

// Shows the send dialog as "SEND TO UNIT" does, with every box cleared.
QDialog* ShowClearedSendDialog(SendRig& rig) {
    test::SendButton(*rig.window)->click();
    for (const char* all : {"CheckAllSetup", "CheckAllEvents", "CheckAllActions"}) {
        if (Control<QCheckBox>(rig.sendDialog(), all)->isChecked()) SendRig::click(rig.sendDialog(), all);
    }
    for (const std::string& box : kGroupBoxes) {
        Control<QCheckBox>(rig.sendDialog(), QString::fromStdString(box))->setChecked(false);
    }
    return rig.sendDialog();
}

std::vector<std::string> Ticked(SendRig& rig) {
    std::vector<std::string> ticked;
    for (const std::string& box : kGroupBoxes) {
        auto* check = Control<QCheckBox>(rig.sendDialog(), QString::fromStdString(box));
        if (check->isChecked()) ticked.push_back(box);
    }
    return ticked;
}

// A session of these groups to the simulated unit; Escape closes the progress dialog after it (its button
// would try a failed session again).
void Send(SendRig& rig, const std::vector<std::string>& boxes) {
    QDialog* dialog = ShowClearedSendDialog(rig);
    for (const std::string& box : boxes) SendRig::click(dialog, QString::fromStdString(box));
    SendRig::click(dialog, "cmdOk");
    ASSERT_TRUE(rig.driveToEnd());
    QTest::keyClick(rig.progress(), Qt::Key_Escape);
    ASSERT_FALSE(rig.progress()->isVisible());
}

void ChangeChannel(SendRig& rig) {
    rig.window->buildAllPages();
    rig.window->controls().channel->setCurrentIndex(7);
    ASSERT_EQ(rig.window->configuration().radio.channel, "7");
}

std::string LabelText(QWidget* dialog, const char* name) {
    return Control<QLabel>(dialog, name)->text().toStdString();
}

bool Contains(const std::string& text, const char* piece) { return text.find(piece) != std::string::npos; }

std::vector<std::vector<std::string>> Rows(const QTableWidget* table) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (int column = 0; column < table->columnCount(); ++column) {
            cells.push_back(table->item(row, column)->text().toStdString());
        }
    }
    return rows;
}

// The window's sends go to the send history of its library, as korucfg's do.
TEST(WindowHistoryTest, ASendFromTheWindowIsLoggedInItsLibrary) {
    SendRig rig;
    SimulatedLine line(rig);
    ASSERT_TRUE(rig.open(test::WriteBaseUnit(rig.library.path())));
    Send(rig, {"chkRadioSetup"});

    SendHistory history(rig.library.path());
    const std::vector<SendLogEntry> entries = history.readLog().entries;
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(entries[0].unitId, "0000000042");
    EXPECT_EQ(entries[0].device, line.unit.devicePath());
    EXPECT_EQ(entries[0].outcomes, (std::vector<GroupOutcome>{{"radio", "acknowledged"}}));
    EXPECT_TRUE(entries[0].program.starts_with("koru-configurator "));
    const UnitSendState state = history.readState("0000000042");
    ASSERT_EQ(state.records.size(), 1U);
    EXPECT_TRUE(state.records.at(3).acknowledged);
}

// A send log spoiled by hand is kept aside and the send goes on; the progress dialog says so.
TEST(WindowHistoryTest, ADamagedLogIsSaidInTheProgressDialogAndTheSendGoesOn) {
    SendRig rig;
    SimulatedLine line(rig);
    ASSERT_TRUE(rig.open(test::WriteBaseUnit(rig.library.path())));
    const SendHistory paths(rig.library.path());
    std::filesystem::create_directories(paths.folder());
    test::WriteBytes(paths.logFile(), "written over by a spreadsheet\r\n");

    QDialog* dialog = ShowClearedSendDialog(rig);
    SendRig::click(dialog, "chkRadioSetup");
    SendRig::click(dialog, "cmdOk");
    ASSERT_TRUE(rig.driveToEnd());

    EXPECT_EQ(rig.send().verdict(), "Selected parameters saved in Koru");
    auto* note = Control<QLabel>(rig.progress(), "lblNote");
    EXPECT_TRUE(note->isVisibleTo(rig.progress()));
    EXPECT_TRUE(note->text().contains("could not be used (it is not a send log); it is kept as"))
        << note->text().toStdString();
    EXPECT_EQ(SendHistory(rig.library.path()).readLog().entries.size(), 1U);
}

// What the sessions before and the edits since make of the send dialog's "Tick changed".
struct TickCase {
    const char* name;
    std::vector<std::vector<std::string>> sessions;  // the boxes of each session, in turn
    std::function<void(SendRig&)> edit;
    std::vector<std::string> ticked;  // after "Tick changed" on a dialog with every box cleared
    const char* lastSend;             // how the dialog's history line begins
};

class TickChangedTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(TickChangedTest, TicksExactlyTheChangedGroups) {
    const TickCase& row = GetParam();
    SendRig rig;
    SimulatedLine line(rig);
    ASSERT_TRUE(rig.open(test::WriteBaseUnit(rig.library.path())));
    for (const std::vector<std::string>& session : row.sessions) Send(rig, session);
    if (row.edit) row.edit(rig);

    QDialog* dialog = ShowClearedSendDialog(rig);
    EXPECT_TRUE(LabelText(dialog, "lblLastSend").starts_with(row.lastSend)) << LabelText(dialog, "lblLastSend");
    EXPECT_EQ(LabelText(dialog, "lblOnlyThisLibrary"), kOnlyThisLibrary.toStdString());
    SendRig::click(dialog, "cmdTickChanged");
    EXPECT_EQ(Ticked(rig), row.ticked);
    EXPECT_EQ(LabelText(dialog, "lblTickedChanged").starts_with("Nothing has changed"), row.ticked.empty());
    EXPECT_FALSE(Control<QLabel>(dialog, "lblHistoryNote")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, TickChangedTest,
    ::testing::Values(
        TickCase{"NeverSent", {}, {}, kGroupBoxes, "Never sent from this library."},
        TickCase{"NothingChangedSinceAFullSend", {kGroupBoxes}, {}, {}, "Last sent "},
        TickCase{"TheChannelChangedSinceAFullSend", {kGroupBoxes}, ChangeChannel, {"chkRadioSetup"}, "Last sent "},
        TickCase{"OnlyTheRadioWasSent",
                 {{"chkRadioSetup"}},
                 {},
                 {"chkGeneralSetup", "chkNetworkSetup", "chkSerialSetup", "chkInputSetup", "chkIOEvents",
                  "chkMessageEvents", "chkTccEvents", "chkMessageActions", "chkOutputFlagActions"},
                 "Last sent "}),
    test::RowName());

// The history line counts the groups of the unit's newest session that went through.
TEST(WindowHistoryTest, TheSendDialogSaysHowTheLastSendWent) {
    SendRig rig;
    SimulatorOptions options;
    options.errorAt = 3;  // the start line, the general record, then the network record meets an error report
    SimulatedLine line(rig, options);
    ASSERT_TRUE(rig.open(test::WriteBaseUnit(rig.library.path())));
    Send(rig, {"chkGeneralSetup", "chkNetworkSetup"});

    const std::string text = LabelText(ShowClearedSendDialog(rig), "lblLastSend");
    EXPECT_TRUE(text.starts_with("Last sent ")) << text;
    EXPECT_TRUE(text.ends_with(", 1 of 2 groups acknowledged (An error occured while communicating with Koru unit)."))
        << text;
}

// A history that cannot be read is a note in the dialog, never a message box, and stops nothing; the files
// are left as they are for the next send to keep aside.
TEST(WindowHistoryTest, ADamagedHistoryIsANoteInTheSendDialog) {
    SendRig rig;
    ASSERT_TRUE(rig.open(test::WriteBaseUnit(rig.library.path())));
    const SendHistory paths(rig.library.path());
    std::filesystem::create_directories(paths.folder());
    test::WriteBytes(paths.logFile(), std::string(kSendLogHeader) + "\r\ncut short");
    test::WriteBytes(paths.stateFile("0000000042"), "not a state\r\n");

    QDialog* dialog = ShowClearedSendDialog(rig);
    EXPECT_EQ(LabelText(dialog, "lblLastSend"), "Never sent from this library.");
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(dialog, Qt::Key_C, Qt::AltModifier);  // "Tick &changed", which clicks 100 ms later
    ASSERT_TRUE(QTest::qWaitFor([&] { return !LabelText(dialog, "lblTickedChanged").empty(); }, 2000));
    EXPECT_EQ(Ticked(rig), kGroupBoxes);
    const std::string note = LabelText(dialog, "lblHistoryNote");
    EXPECT_TRUE(Contains(note, "has damaged lines, which are skipped: 2")) << note;
    EXPECT_TRUE(Contains(note, "cannot be read (")) << note;
    EXPECT_TRUE(rig.dialogs.shown.empty());
    EXPECT_EQ(test::ReadBytes(paths.stateFile("0000000042")), "not a state\r\n");
}

TEST(WindowHistoryTest, WithoutAUnitTheSendDialogHasNoHistory) {
    SendRig rig;
    QDialog* dialog = ShowClearedSendDialog(rig);
    EXPECT_EQ(LabelText(dialog, "lblLastSend"), "No unit is open, so there is no send history to show.");
    EXPECT_FALSE(Control<QPushButton>(dialog, "cmdTickChanged")->isEnabled());
}

// The window with the history's menu items, on the sessions of a test.
struct HistoryWindow {
    HistoryWindow() : line(rig) { new HistoryCommands(*rig.window); }

    // Opens the dialog of a File menu item.
    QDialog* open(QAction* action, const char* dialogName) {
        EXPECT_TRUE(action->isEnabled()) << dialogName;
        action->trigger();
        auto* dialog = rig.window->findChild<QDialog*>(dialogName);
        EXPECT_TRUE(dialog != nullptr && dialog->isVisible()) << dialogName;
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        EXPECT_FALSE(rig.window->isWindowEnabled());
        return dialog;
    }

    SendRig rig;
    SimulatedLine line;
};

TEST(WindowHistoryTest, TheHistoryItemsAreOffUntilAUnitIsOpen) {
    HistoryWindow w;
    const WindowMenus& menus = w.rig.window->menus();
    for (QAction* item : {menus.compareWithLastSend, menus.sendHistory}) {
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    }
    ASSERT_TRUE(w.rig.open(test::WriteBaseUnit(w.rig.library.path())));
    for (QAction* item : {menus.compareWithLastSend, menus.sendHistory}) {
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    }
}

struct CompareCase {
    const char* name;
    std::vector<std::vector<std::string>> sessions;
    std::function<void(SendRig&)> edit;
    const char* summary;  // a piece of the dialog's first line
    std::vector<std::vector<std::string>> settings;  // setting, as sent, now
    std::vector<std::string> changedGroups;
};

class CompareDialogTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareDialogTest, ListsTheSettingsThatDifferAndTheChangedGroups) {
    const CompareCase& row = GetParam();
    HistoryWindow w;
    ASSERT_TRUE(w.rig.open(test::WriteBaseUnit(w.rig.library.path())));
    for (const std::vector<std::string>& session : row.sessions) Send(w.rig, session);
    if (row.edit) row.edit(w.rig);

    QDialog* dialog = w.open(w.rig.window->menus().compareWithLastSend, "frmCompareLastSend");
    EXPECT_TRUE(Contains(LabelText(dialog, "lblSummary"), row.summary)) << LabelText(dialog, "lblSummary");
    auto* settings = dialog->findChild<QTableWidget*>("tblSettings");
    if (row.sessions.empty()) {
        EXPECT_EQ(settings, nullptr);
    } else {
        ASSERT_NE(settings, nullptr);
        EXPECT_EQ(Rows(settings), row.settings);
    }
    std::vector<std::string> groups;
    for (const std::vector<std::string>& cells : Rows(Control<QTableWidget>(dialog, "tblChangedGroups"))) {
        groups.push_back(cells.at(0));
    }
    EXPECT_EQ(groups, row.changedGroups);

    test::Click(dialog, "cmdClose");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(w.rig.window->isWindowEnabled());
}

const std::vector<std::string> kAllCaptions{
    "General and Sleep setup", "Network setup", "Radio setup", "Serial communication setup", "Input setup",
    "I/O and Sleep events", "Message events", "Timer, Counter, Comm. events", "Message actions",
    "Output and flag actions"};

INSTANTIATE_TEST_SUITE_P(
    Sessions, CompareDialogTest,
    ::testing::Values(
        CompareCase{"NeverSent", {}, {}, "was never sent from this library", {}, kAllCaptions},
        CompareCase{"NothingChanged", {kGroupBoxes}, {}, "against the unit file it last acknowledged", {}, {}},
        CompareCase{"TheChannelChanged",
                    {kGroupBoxes},
                    ChangeChannel,
                    "against the unit file it last acknowledged",
                    {{"Radio, Channel", "0", "7"}},
                    {"Radio setup"}}),
    test::RowName());

TEST(WindowHistoryTest, TheHistoryDialogListsTheUnitsSessionsNewestFirst) {
    HistoryWindow w;
    ASSERT_TRUE(w.rig.open(test::WriteBaseUnit(w.rig.library.path())));
    Send(w.rig, kGroupBoxes);
    Send(w.rig, {"chkRadioSetup"});
    const SendLogEntry otherUnit{
        "2026-12-07T06:30:12+01:00", "0000000043", "Other", "/dev/ttyS0", {"radio"},
        "Selected parameters saved in Koru", {{"radio", "acknowledged"}}, "korucfg 1.3"};
    ASSERT_TRUE(SendHistory(w.rig.library.path()).append(otherUnit));

    QDialog* dialog = w.open(w.rig.window->menus().sendHistory, "frmSendHistory");
    auto* sessions = Control<QTableWidget>(dialog, "tblSessions");
    const std::vector<std::vector<std::string>> rows = Rows(sessions);
    ASSERT_EQ(rows.size(), 2U);
    const std::string device = w.line.unit.devicePath();
    EXPECT_EQ(std::vector(rows[0].begin() + 1, rows[0].end() - 1),
              (std::vector<std::string>{device, "1 of 1 acknowledged", "Selected parameters saved in Koru"}));
    EXPECT_EQ(std::vector(rows[1].begin() + 1, rows[1].end() - 1),
              (std::vector<std::string>{device, "10 of 10 acknowledged", "Selected parameters saved in Koru"}));
    EXPECT_TRUE(rows[0].back().starts_with("koru-configurator "));

    auto* outcomes = Control<QTableWidget>(dialog, "tblOutcomes");
    EXPECT_EQ(Rows(outcomes), (std::vector<std::vector<std::string>>{{"Radio setup", "acknowledged"}}));
    sessions->selectRow(1);
    EXPECT_EQ(Rows(outcomes).size(), 10U);
    EXPECT_EQ(Rows(outcomes).back(), (std::vector<std::string>{"Output and flag actions", "nothing to send"}));
}

TEST(WindowHistoryTest, TheHistoryDialogOfAUnitNeverSentSaysSo) {
    HistoryWindow w;
    ASSERT_TRUE(w.rig.open(test::WriteBaseUnit(w.rig.library.path())));
    QDialog* dialog = w.open(w.rig.window->menus().sendHistory, "frmSendHistory");
    EXPECT_EQ(LabelText(dialog, "lblSessions"), "Unit 0000000042 was never sent from this library.");
    EXPECT_FALSE(Control<QTableWidget>(dialog, "tblSessions")->isVisible());
}

// The history's windows on the busy sample unit fit on a 1280x800 screen; with KORU_SHOTS_DIR set they are
// saved as pictures. The unit is sent whole, then its channel and baud rate change: the send dialog ticks
// those two groups and the compare dialog lists the two settings. That session meets an error report in
// the serial group, and a third sends the serial group again; the history dialog shows all three.
TEST(HistoryPictures, TheHistoryWindowsFitOnTheScreen) {
    constexpr int kFullSendPackets = 46;
    SimulatorOptions options;
    options.errorAt = kFullSendPackets + 2;  // the serial record of the second session
    SendRig rig;
    test::SimulatedLine line(rig, options);
    new HistoryCommands(*rig.window);
    ASSERT_TRUE(rig.open(KORU_SOURCE_DIR "/docs/samples/pumpstation.kuf"));
    rig.window->show();
    Send(rig, kGroupBoxes);
    ASSERT_EQ(line.unit.packetsReceived(), kFullSendPackets);
    rig.window->edit(QStringLiteral("Radio and serial setup"), [](UnitConfiguration& config) {
        config.radio.channel = "12";
        config.serial.baudrate = "38400";
        return true;
    });

    QDialog* dialog = ShowClearedSendDialog(rig);
    SendRig::click(dialog, "cmdTickChanged");
    ASSERT_EQ(Ticked(rig), (std::vector<std::string>{"chkRadioSetup", "chkSerialSetup"}));
    test::TakePicture("34-send-to-unit-changed", dialog);
    dialog->hide();

    rig.window->menus().compareWithLastSend->trigger();
    QDialog* compare = rig.window->findChild<QDialog*>("frmCompareLastSend");
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(Rows(Control<QTableWidget>(compare, "tblSettings")).size(), 2U);
    test::TakePicture("35-compare-with-last-send", compare);
    compare->close();
    ASSERT_FALSE(compare->isVisible());
    ASSERT_TRUE(rig.window->isWindowEnabled());

    Send(rig, {"chkRadioSetup", "chkSerialSetup"});
    Send(rig, {"chkSerialSetup"});
    rig.window->menus().sendHistory->trigger();
    QDialog* history = rig.window->findChild<QDialog*>("frmSendHistory");
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(Rows(Control<QTableWidget>(history, "tblSessions")).size(), 3U);
    Control<QTableWidget>(history, "tblSessions")->selectRow(1);
    test::TakePicture("36-send-history", history);
}

// Two forms of one moment read the same; what is no time stays as it is.
TEST(HistoryTextTest, TimesAreShownInThisComputersZone) {
    EXPECT_EQ(ShownTime("2026-12-07T06:30:12+01:00"), ShownTime("2026-12-07T05:30:12Z"));
    EXPECT_EQ(ShownTime("2026-12-07T06:30:12+01:00", true), ShownTime("2026-12-07T08:30:12+03:00", true));
    EXPECT_EQ(ShownTime("2026-12-07T06:30:12+01:00").size(), 16);
    EXPECT_EQ(ShownTime("yesterday"), "yesterday");
    EXPECT_EQ(GroupCaption("radio"), "Radio setup");
    EXPECT_EQ(GroupCaption("record-9"), "record-9");
}

}  // namespace
}  // namespace koru
