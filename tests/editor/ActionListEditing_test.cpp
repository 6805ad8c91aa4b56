#include <gtest/gtest.h>

#include <QPushButton>

#include <functional>

#include "editor/FieldFactory.h"
#include "editor/dialogs/AddActionDialog.h"
#include "model/EventTable.h"
#include "tests/editor/WindowTesting.h"

namespace koru {
namespace {

using Entries = std::vector<std::string>;

class ActionListEditingTest : public ::testing::Test {
protected:
    test::EditingWindow w{{"0000000042(P\xC3\xBCmp).kuf"}};
    const UnitConfiguration& config = w.window->configuration();

    // The unit changed as a command would change it.
    void given(const std::function<void(UnitConfiguration&)>& change) const {
        w.window->edit(QStringLiteral("Given"), [&change](UnitConfiguration& unit) {
            change(unit);
            return true;
        });
    }

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
// the model's); fields that make no entry, or an entry the list holds, add nothing.
TEST_F(ActionListEditingTest, CreateButtonsAddTheEntriesOfTheirRows) {
    w.choose("cmbMessageNumber", "20");
    w.press("cmdCreateMessageAction");  // no destination selected
    EXPECT_EQ(w.items("lstMessageActions"), Entries{});
    w.select("lstDest", 2);  // the library's unit
    w.press("cmdCreateMessageAction");
    w.press("cmdCreateMessageAction");  // the same fields once more
    const Entries messages{"Send: Message 20 to " + w.files.library.UnitEntries().front()};
    EXPECT_EQ(config.messageActions.actions, messages);
    EXPECT_EQ(w.items("lstMessageActions"), messages);

    step(1, 2);  // 1
    step(3, 3);  // T
    w.selectText("lstDestOutputFlag", "[General Broadcast]");
    w.press("cmdCreateOutputFlagAction");
    EXPECT_EQ(w.items("lstOutputFlagActions"), Entries{"Send: -1-T -------- to [General Broadcast]"});

    w.choose("cmbTimerNr(0)", "2");
    w.press("cmdCreateTimerAction(0)");  // no time: nothing
    EXPECT_EQ(w.items("lstTimerActions"), Entries{});
    w.type("txtTimeAction", "500");
    w.press("cmdCreateTimerAction(0)");
    w.choose("cmbTimerNr(2)", "4");
    w.press("cmdCreateTimerAction(2)");
    EXPECT_EQ(config.timerActions, (Entries{"Timer 2 = 500 ms", "Start timer 4"}));
    EXPECT_EQ(w.items("lstTimerActions"), config.timerActions);

    w.choose("cmbCounterNr(2)", "2");
    w.type("txtIncCount", "5");
    w.press("cmdCreateCounterrAction(2)");
    EXPECT_EQ(w.items("lstCounterActions"), Entries{"Increase Counter 2 with 5"});
}

TEST_F(ActionListEditingTest, DeletingADefinedActionLeavesTheEventsEntry) {
    given([](UnitConfiguration& unit) {
        unit.timerActions = {"Start timer 1", "Stop timer 1"};
        unit.timerEvents[0] = {true, {"Stop timer 1"}};
    });
    w.press("cmdDeleteTimerAction");  // nothing selected
    EXPECT_EQ(config.timerActions.size(), 2u);
    w.select("lstTimerActions", 1);
    w.press("cmdDeleteTimerAction");
    EXPECT_EQ(w.items("lstTimerActions"), Entries{"Start timer 1"});
    EXPECT_EQ(w.items("lstTimer(0)"), Entries{"Stop timer 1"});

    const std::tuple<const char*, const char*, TextList& (*)(UnitConfiguration&)> lists[] = {
        {"lstMessageActions", "cmdDeleteMessAction", [](UnitConfiguration& c) -> TextList& { return c.messageActions.actions; }},
        {"lstOutputFlagActions", "cmdDeleteOutputFlagAction", [](UnitConfiguration& c) -> TextList& { return c.outputFlagActions; }},
        {"lstCounterActions", "cmdDeleteCounterAction", [](UnitConfiguration& c) -> TextList& { return c.counterActions; }}};
    given([&lists](UnitConfiguration& unit) {
        for (const auto& [list, button, entries] : lists) entries(unit) = {"A", "B"};
    });
    for (const auto& [list, button, entries] : lists) {
        w.select(list, 0);
        w.press(button);
        UnitConfiguration shown = config;
        EXPECT_EQ(entries(shown), Entries{"B"}) << button;
        EXPECT_EQ(w.items(list), Entries{"B"}) << button;
    }
}

TEST_F(ActionListEditingTest, TheDialogEditsTheEventsListWhileTheWindowWaits) {
    given([](UnitConfiguration& unit) {
        unit.messageActions.actions = {"Send: Message 1 to [Serial port]"};
        unit.outputFlagActions = {"Set: 1--- --------"};
        unit.timerActions = {"Start timer 2"};
        unit.counterActions = {"Reset Counter 1"};
        unit.timerEvents[1] = {true, {"Start timer 2"}};
    });

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
    given([](UnitConfiguration& unit) {
        unit.counterActions = {"Reset Counter 1"};
        unit.counterEvents[2] = {true, {}, {"Reset Counter 1"}};
    });
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
    given([](UnitConfiguration& unit) {
        unit.ioEvents.sleepOn = true;
        unit.ioEvents.sleepActions = {"Sleep mode"};
        unit.timerActions = {"Stop timer 1"};
    });

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
// buttons, which the unit has no number for, stay as they are.
TEST_F(ActionListEditingTest, EveryActionsButtonEditsItsOwnList) {
    for (const EventDescription& event : Events()) {
        if (!event.sent()) continue;
        for (int item = 0; item < event.items(); ++item) {
            const QString name = ObjectName(event.buttonControl, event.controlIndex(item));
            given([&](UnitConfiguration& unit) { event.actions(unit, item) = {name.toStdString()}; });
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
    for (const EventDescription& event : Events()) {
        if (event.sent()) continue;
        for (int item = 0; item < event.items(); ++item) {
            EXPECT_FALSE(w.get<QPushButton>(ObjectName(event.buttonControl, event.controlIndex(item)))->isEnabled());
            EXPECT_FALSE(w.get<QPushButton>(ObjectName("cmdAddButton", item))->isEnabled());
        }
    }
}

}  // namespace
}  // namespace koru
