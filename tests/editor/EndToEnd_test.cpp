#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>

#include "editor/ControlSet.h"
#include "editor/dialogs/AddActionDialog.h"
#include "editor/dialogs/NewUnitDialog.h"
#include "tests/editor/WindowTesting.h"
#include "tests/support/Korucfg.h"

namespace koru {
namespace {

using Entries = std::vector<std::string>;

// One event as the unit learns it: its "On" box, its action list and its event number, in sending order.
struct Event {
    QString on;
    QString list;
    int number;
};

std::vector<Event> EventsInSendingOrder() {
    std::vector<Event> events;
    const auto array = [&events](const char* on, const char* list, int count, int first) {
        for (int i = 0; i < count; ++i) events.push_back({ObjectName(on, i), ObjectName(list, i), first + i});
    };
    array("chkBitMaskOn", "lstBitMask", kMaskCount, 96);
    array("chkMessageOn", "lstMessage", kMessageCount, 128);
    events.push_back({"chkMessageOn(21)", "lstMessage(21)", 158});
    events.push_back({"chkMessageOn(20)", "lstMessage(20)", 159});
    array("chkTypeOfMessageOn", "lstTypeOfMessActions", kMessageTypeCount, 32);
    array("chkTimerOn", "lstTimer", kTimerCount, 80);
    array("chkCounterOn", "lstCounterZero", kCounterCount, 160);
    array("chkCounterOn", "lstCounter", kCounterCount, 176);
    const std::vector<Event> single{{"chkRadioMessage", "lstRadioMessActions", 48},
                                    {"chkRadioACK", "lstRadioAckActions", 49},
                                    {"chkRadioNAK", "lstRadioNakActions", 50},
                                    {"chkNoReceipt", "lstNoReceiptActions", 51},
                                    {"chkRadioError", "lstRadioErrorAction", 52},
                                    {"chkUnitOnline", "lstUnitOnlineActions", 91},
                                    {"chkUnitOffline", "lstUnitOfflineActions", 90},
                                    {"chkUnitBootingOn", "lstUnitBooting", 1},
                                    {"chkSerialMessage", "lstSerialMessActions", 16},
                                    {"chkSerialError", "lstSerialErrorAction", 17},
                                    {"chkSleepOn", "lstSleepActions", 2}};
    events.insert(events.end(), single.begin(), single.end());
    return events;
}

// The kind code of an action record for an entry the editor creates.
std::string KindOf(const std::string& entry) {
    const std::pair<const char*, const char*> kinds[] = {
        {"Send: Message", "11"}, {"Send: ", "10"},    {"Set: ", "9"},    {"Timer ", "1"},
        {"Start timer", "2"},    {"Stop timer", "3"}, {"Restart", "4"},  {"Counter ", "5"},
        {"Reset Counter", "6"},  {"Increase", "7"},   {"Decrease", "8"}, {"Sleep mode", "12"}};
    for (const auto& [start, kind] : kinds) {
        if (entry.rfind(start, 0) == 0) return kind;
    }
    return "?";
}

// The records of one kind ("13") that a session sends, in order, without their ";".
Entries Records(const std::string& session, const std::string& number) {
    Entries records;
    std::size_t line = 0;
    while (line < session.size()) {
        std::size_t end = session.find("\r\n", line);
        if (end == std::string::npos) end = session.size();
        const std::string text = session.substr(line, end - line);
        line = end + 2;
        std::size_t at = text.find(';', text.find(';') + 1) + 1;  // past the session header
        while (at > 0 && at < text.size()) {
            const std::size_t stop = text.find(';', at);
            const std::string record = text.substr(at, stop - at);
            if (record.rfind(number + ":", 0) == 0) records.push_back(record);
            if (stop == std::string::npos) break;
            at = stop + 1;
        }
    }
    return records;
}

// From a default file to the records a unit receives: the unit is made in the window, given actions that
// events run and a lower unit, saved, and its saved file encoded by korucfg; the action and event-action
// records carry the numbers and pairs that the window shows.
TEST(EndToEnd, TheSavedUnitSendsWhatTheWindowShows) {
    test::EditingWindow w{{"0000000042(Tank).kuf"}};
    MainWindow& window = *w.window;

    window.menuAction("mnuNewKoru")->trigger();
    auto* create = w.openDialog<NewUnitDialog>();
    ASSERT_NE(create, nullptr);
    QTest::keyClicks(test::Control<QLineEdit>(create, "txtId"), "7");
    QTest::keyClicks(test::Control<QLineEdit>(create, "txtAlias"), "Pump");
    test::Control<QComboBox>(create, "cmbType")->setCurrentText("KORU Base");
    test::Click(create, "cmdOk");
    ASSERT_EQ(window.configuration().unit.id, "0000000007");

    // Actions of every kind.
    w.type("txtTextString(0)", "ALARM <I>");
    w.selectText("lstDest", "[Serial port]");
    w.press("cmdCreateMessageAction");
    w.choose("cmbMessageNumber", "2");
    w.selectText("lstDest", "0000000042(Tank)");
    w.press("cmdCreateMessageAction");
    auto* firstOutput = w.get<QLineEdit>("txtOutputFlagAction(0)");
    w.showTabOf(firstOutput);
    QTest::mouseDClick(firstOutput, Qt::LeftButton);
    QTest::mouseDClick(firstOutput, Qt::LeftButton);
    w.press("cmdCreateOutputFlagAction");
    w.choose("cmbTimerNr(2)", "2");
    w.press("cmdCreateTimerAction(2)");
    w.choose("cmbCounterNr(1)", "3");
    w.press("cmdCreateCounterrAction(1)");
    w.check("chkSleepModeOn");
    ASSERT_EQ(w.items("lstOutputFlagActions"), Entries{"Set: 1--- --------"});

    // Events that run them, each picked in the Actions dialog.
    const auto attach = [&w](const QString& on, const QString& button, const std::vector<int>& rows) {
        w.check(on);
        w.press(button);
        auto* dialog = w.openDialog<AddActionDialog>();
        ASSERT_NE(dialog, nullptr) << button.toStdString();
        for (int row : rows) test::DoubleClickRow(test::Control<QListWidget>(dialog, "lstAction"), row);
        test::Click(dialog, "cmdOk");
        test::LetClosedDialogsGo();
    };
    attach("chkTimerOn(1)", "cmdAddActionTimer(1)", {1, 5});            // message to Tank, sleep mode
    attach("chkBitMaskOn(0)", "cmdAddActionBitMask(0)", {4});           // reset counter
    attach("chkUnitBootingOn", "cmdAddActionsUnitBooting", {2, 3, 0});  // output, timer, message

    w.selectText("lstUnitInSystem", "0000000042(Tank)");
    w.press("cmdAddSlaveUnit");
    window.menuAction("mnuSaveKoru")->trigger();
    const auto saved = w.files.library.unitsFolder() / "0000000007(Pump).kuf";
    ASSERT_TRUE(std::filesystem::exists(saved));

    // What the window shows: the actions in numbering order and the pairs of the events that are on.
    Entries actions;
    for (const char* list :
         {"lstMessageActions", "lstOutputFlagActions", "lstTimerActions", "lstCounterActions"}) {
        for (const std::string& entry : w.items(list)) actions.push_back(entry);
    }
    if (w.get<QCheckBox>("chkSleepModeOn")->isChecked()) actions.emplace_back("Sleep mode");
    ASSERT_EQ(actions.size(), 6u);
    Entries expectedActions;
    for (std::size_t n = 0; n < actions.size(); ++n) {
        expectedActions.push_back("12:" + std::to_string(actions.size()) + ":" + std::to_string(n) + ":" +
                                  KindOf(actions[n]) + ":");
    }
    std::vector<std::pair<int, std::size_t>> pairs;
    for (const Event& event : EventsInSendingOrder()) {
        if (!w.get<QCheckBox>(event.on)->isChecked()) continue;
        for (const std::string& entry : w.items(event.list)) {
            const auto found = std::find(actions.begin(), actions.end(), entry);
            pairs.emplace_back(event.number, static_cast<std::size_t>(found - actions.begin()));
        }
    }
    ASSERT_EQ(pairs.size(), 6u);
    Entries expectedPairs;
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        expectedPairs.push_back("13:" + std::to_string(pairs.size()) + ":" + std::to_string(p) + ":" +
                                std::to_string(pairs[p].first) + ":" + std::to_string(pairs[p].second));
    }

    // What the steps above must have made the window show.
    EXPECT_EQ(expectedPairs, (Entries{"13:6:0:96:4", "13:6:1:81:1", "13:6:2:81:5", "13:6:3:1:2", "13:6:4:1:3",
                                      "13:6:5:1:0"}));

    const test::ProgramRun run = test::RunKorucfg({"encode", QString::fromStdString(saved.string())});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Entries sentActions;
    for (const std::string& record : Records(run.out, "12")) {
        std::size_t end = 0;
        for (int field = 0; field < 4; ++field) end = record.find(':', end) + 1;  // up to the kind code
        sentActions.push_back(record.substr(0, end));
    }
    EXPECT_EQ(sentActions, expectedActions);
    EXPECT_EQ(Records(run.out, "13"), expectedPairs);
    EXPECT_EQ(Records(run.out, "15"), (Entries{"15:0:00000000:0:0", "15:1:0000002A:1:0"}));
    EXPECT_EQ(Records(run.out, "10").front(), "10:0:N:\"ALARM <I>\"");
    EXPECT_EQ(run.out.rfind("ORVEN_AB_KORU_SETUP;00000007;", 0), 0u);
}

}  // namespace
}  // namespace koru
