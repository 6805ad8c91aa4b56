#include <gtest/gtest.h>

#include <QPushButton>

#include "editor/ControlSet.h"
#include "editor/dialogs/AddActionDialog.h"
#include "model/EventActionLists.h"
#include "tests/editor/WindowTesting.h"

namespace koru {
namespace {

using Entries = std::vector<std::string>;

class ActionListEditingTest : public ::testing::Test {
protected:
    test::EditingWindow w{{"0000000042(P\xC3\xBCmp).kuf"}};
    UnitConfiguration& config = w.window->configuration();

    // Double-clicks an output/flag action cell `steps` times: - 0 1 T -.
    void step(int cell, int steps) const {
        auto* field = w.get<QLineEdit>(ObjectName("txtOutputFlagAction", cell));
        w.showTabOf(field);
        for (int i = 0; i < steps; ++i) QTest::mouseDClick(field, Qt::LeftButton);
    }
    // Opens the action dialog of an event by its "Actions" button.
    AddActionDialog* actionsOf(const QString& button) const {
        w.press(button);
        return w.openDialog<AddActionDialog>();
    }
};

// Each create button reads the fields of its own row and adds the entry they make (the entries' texts are
// the model's); fields that make no entry add nothing.
TEST_F(ActionListEditingTest, CreateButtonsAddTheEntriesOfTheirRows) {
    w.choose("cmbMessageNumber", "3");
    w.press("cmdCreateMessageAction");  // no destination selected
    EXPECT_EQ(w.items("lstMessageActions"), Entries{});
    w.selectText("lstDest", "[Upper unit]");
    w.press("cmdCreateMessageAction");
    w.press("cmdCreateMessageAction");  // the same fields once more
    w.choose("cmbMessageNumber", "20");
    w.select("lstDest", 2);  // the library's unit
    w.press("cmdCreateMessageAction");
    const Entries messages{"Send: Message 3 to [Upper unit]",
                           "Send: Message 20 to " + w.files.library.UnitEntries().front()};
    EXPECT_EQ(config.messageActions.actions, messages);
    EXPECT_EQ(w.items("lstMessageActions"), messages);

    step(0, 1);                            // 0
    step(1, 2);                            // 1
    step(3, 3);                            // T
    w.press("cmdCreateOutputFlagAction");  // no destination: local
    w.selectText("lstDestOutputFlag", "[General Broadcast]");
    w.press("cmdCreateOutputFlagAction");
    EXPECT_EQ(w.items("lstOutputFlagActions"),
              (Entries{"Set: 01-T --------", "Send: 01-T -------- to [General Broadcast]"}));

    w.choose("cmbTimerNr(0)", "2");
    w.press("cmdCreateTimerAction(0)");  // no time: nothing
    EXPECT_EQ(w.items("lstTimerActions"), Entries{});
    w.type("txtTimeAction", "500");
    w.press("cmdCreateTimerAction(0)");
    w.choose("cmbTimerNr(1)", "3");
    w.press("cmdCreateTimerAction(1)");
    w.choose("cmbTimerNr(2)", "4");
    w.press("cmdCreateTimerAction(2)");
    w.press("cmdCreateTimerAction(3)");
    EXPECT_EQ(config.timerActions,
              (Entries{"Timer 2 = 500 ms", "Restart timer 3", "Start timer 4", "Stop timer 1"}));
    EXPECT_EQ(w.items("lstTimerActions"), config.timerActions);

    for (int row : {0, 2, 3}) w.press(QString("cmdCreateCounterrAction(%1)").arg(row));  // no values yet
    EXPECT_EQ(w.items("lstCounterActions"), Entries{});
    w.type("txtCountAction", "100");
    w.press("cmdCreateCounterrAction(0)");
    w.choose("cmbCounterNr(1)", "4");
    w.press("cmdCreateCounterrAction(1)");
    w.choose("cmbCounterNr(2)", "2");
    w.type("txtIncCount", "5");
    w.press("cmdCreateCounterrAction(2)");
    w.choose("cmbCounterNr(3)", "3");
    w.type("txtDecCount", "1");
    w.press("cmdCreateCounterrAction(3)");
    EXPECT_EQ(w.items("lstCounterActions"),
              (Entries{"Counter 1 = 100", "Reset Counter 4", "Increase Counter 2 with 5",
                       "Decrease Counter 3 with 1"}));
}

TEST_F(ActionListEditingTest, DeletingADefinedActionLeavesTheEventsEntry) {
    config.timerActions = {"Start timer 1", "Stop timer 1"};
    config.timerEvents[0] = {true, {"Stop timer 1"}};
    w.window->showConfiguration();
    w.press("cmdDeleteTimerAction");  // nothing selected
    EXPECT_EQ(config.timerActions.size(), 2u);
    w.select("lstTimerActions", 1);
    w.press("cmdDeleteTimerAction");
    EXPECT_EQ(w.items("lstTimerActions"), Entries{"Start timer 1"});
    EXPECT_EQ(w.items("lstTimer(0)"), Entries{"Stop timer 1"});

    const std::pair<const char*, TextList*> lists[] = {{"MessAction", &config.messageActions.actions},
                                                       {"OutputFlagAction", &config.outputFlagActions},
                                                       {"CounterAction", &config.counterActions}};
    for (const auto& [name, list] : lists) *list = {"A", "B"};
    w.window->showConfiguration();
    for (const auto& [name, list] : lists) {
        const QString listName =
            name == std::string("MessAction") ? "lstMessageActions" : QString("lst%1s").arg(name);
        w.select(listName, 0);
        w.press(QString("cmdDelete%1").arg(name));
        EXPECT_EQ(*list, Entries{"B"}) << name;
        EXPECT_EQ(w.items(listName), Entries{"B"}) << name;
    }
}

TEST_F(ActionListEditingTest, TheDialogEditsTheEventsListWhileTheWindowWaits) {
    config.messageActions.actions = {"Send: Message 1 to [Serial port]"};
    config.outputFlagActions = {"Set: 1--- --------"};
    config.timerActions = {"Start timer 2"};
    config.counterActions = {"Reset Counter 1"};
    config.timerEvents[1] = {true, {"Start timer 2"}};
    w.window->showConfiguration();

    AddActionDialog* dialog = actionsOf("cmdAddActionTimer(1)");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(w.window->isWindowEnabled());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(test::Items(test::Control<QListWidget>(dialog, "lstAction")),
              (Entries{"Send: Message 1 to [Serial port]", "Set: 1--- --------", "Start timer 2",
                       "Reset Counter 1"}));
    test::DoubleClickRow(test::Control<QListWidget>(dialog, "lstAction"), 3);
    test::DoubleClickRow(test::Control<QListWidget>(dialog, "lstAction"), 0);
    test::Click(dialog, "cmdOk");
    const Entries expected{"Start timer 2", "Reset Counter 1", "Send: Message 1 to [Serial port]"};
    EXPECT_EQ(config.timerEvents[1].actions, expected);
    EXPECT_EQ(w.items("lstTimer(1)"), expected);
    EXPECT_TRUE(w.window->isWindowEnabled());
    EXPECT_EQ(w.openDialog(), nullptr);
}

TEST_F(ActionListEditingTest, CancelAndTheCloseBoxLeaveTheListAndEnableTheWindow) {
    config.counterActions = {"Reset Counter 1"};
    config.counterEvents[2] = {true, {}, {"Reset Counter 1"}};
    w.window->showConfiguration();
    for (bool closeBox : {false, true}) {
        AddActionDialog* dialog = actionsOf("cmdAddActionsCounterZero(2)");
        ASSERT_NE(dialog, nullptr);
        test::Control<QListWidget>(dialog, "lstCurrentActions")->setCurrentRow(0);
        test::Click(dialog, "cmdRemoveAction");
        if (closeBox) {
            dialog->close();
        } else {
            test::Click(dialog, "cmdCancel");
        }
        EXPECT_EQ(config.counterEvents[2].onZero, Entries{"Reset Counter 1"});
        EXPECT_EQ(w.items("lstCounterZero(2)"), Entries{"Reset Counter 1"});
        EXPECT_TRUE(w.window->isWindowEnabled());
        test::LetClosedDialogsGo();
    }
}

TEST_F(ActionListEditingTest, SleepModeIsOfferedOnlyWhileSleepModeIsEnabled) {
    config.ioEvents.sleepOn = true;
    config.ioEvents.sleepActions = {"Sleep mode"};
    config.timerActions = {"Stop timer 1"};
    w.window->showConfiguration();

    AddActionDialog* dialog = actionsOf("cmdAddActionSleep");
    EXPECT_EQ(test::Items(test::Control<QListWidget>(dialog, "lstAction")), Entries{"Stop timer 1"});
    test::Click(dialog, "cmdOk");  // the entry it holds stays
    EXPECT_EQ(config.ioEvents.sleepActions, Entries{"Sleep mode"});

    w.check("chkSleepModeOn");
    ASSERT_TRUE(config.input.sleepOn);
    dialog = actionsOf("cmdAddActionSleep");
    EXPECT_EQ(test::Items(test::Control<QListWidget>(dialog, "lstAction")),
              (Entries{"Stop timer 1", "Sleep mode"}));
    test::Click(dialog, "cmdCancel");
}

// Every "Actions" button of the event tabs opens the dialog on its own event's list; the remote events'
// buttons stay as they are.
TEST_F(ActionListEditingTest, EveryActionsButtonEditsItsOwnList) {
    for (const EventListButton& button : EventListButtons()) {
        const int count = button.count == 0 ? 1 : button.count;
        for (int i = 0; i < count; ++i) {
            const int index = button.count == 0 ? -1 : i;
            const QString name = ObjectName(button.button, index);
            *EventActionList(config, button.list, index) = {name.toStdString()};
            auto* pushButton = w.get<QPushButton>(name);
            ASSERT_TRUE(pushButton->isEnabled()) << name.toStdString();
            pushButton->click();
            auto* dialog = w.openDialog<AddActionDialog>();
            ASSERT_NE(dialog, nullptr) << name.toStdString();
            EXPECT_EQ(dialog->currentActions(), Entries{name.toStdString()});
            dialog->close();
            test::LetClosedDialogsGo();
        }
    }
    for (int i = 0; i < kRemoteEventCount; ++i) {
        EXPECT_FALSE(w.get<QPushButton>(ObjectName("cmdAddActionRemote", i))->isEnabled());
        EXPECT_FALSE(w.get<QPushButton>(ObjectName("cmdAddButton", i))->isEnabled());
    }
}

}  // namespace
}  // namespace koru
