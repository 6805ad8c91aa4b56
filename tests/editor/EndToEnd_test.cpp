#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>

#include "editor/dialogs/AddActionDialog.h"
#include "editor/dialogs/NewUnitDialog.h"
#include "tests/editor/WindowTesting.h"
#include "tests/support/Korucfg.h"

namespace koru {
namespace {

using Entries = std::vector<std::string>;

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
// records carry the numbers and pairs of what was picked in the window.
TEST(EndToEnd, TheSavedUnitSendsWhatTheWindowShows) {
    test::EditingWindow w{{"0000000042(Tank).kuf"}};
    MainWindow& window = *w.window;

    window.menus().newUnit->trigger();
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
    window.menus().saveUnit->trigger();
    const auto saved = w.files.library.unitsFolder() / "0000000007(Pump).kuf";
    ASSERT_TRUE(std::filesystem::exists(saved));

    // The actions are numbered in the order of their lists (messages, outputs and flags, timers, counters,
    // sleep mode); the events that are on name them in the unit's event order: mask 1 (96), timer 2 (81),
    // unit booting (1).
    const test::ProgramRun run = test::RunKorucfg({"encode", QString::fromStdString(saved.string())});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Entries sentActions;
    for (const std::string& record : Records(run.out, "12")) {
        std::size_t end = 0;
        for (int field = 0; field < 4; ++field) end = record.find(':', end) + 1;  // up to the kind code
        sentActions.push_back(record.substr(0, end));
    }
    EXPECT_EQ(sentActions,
              (Entries{"12:6:0:11:", "12:6:1:11:", "12:6:2:9:", "12:6:3:2:", "12:6:4:6:", "12:6:5:12:"}));
    EXPECT_EQ(Records(run.out, "13"), (Entries{"13:6:0:96:4", "13:6:1:81:1", "13:6:2:81:5", "13:6:3:1:2",
                                               "13:6:4:1:3", "13:6:5:1:0"}));
    EXPECT_EQ(Records(run.out, "15"), (Entries{"15:0:00000000:0:0", "15:1:0000002A:1:0"}));
    EXPECT_EQ(Records(run.out, "10").front(), "10:0:N:\"ALARM <I>\"");
    EXPECT_EQ(run.out.rfind("ORVEN_AB_KORU_SETUP;00000007;", 0), 0u);
}

}  // namespace
}  // namespace koru
