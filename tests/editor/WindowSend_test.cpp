#include <gtest/gtest.h>

#include <cstring>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

#include "tests/editor/SendRig.h"
#include "tests/support/Korucfg.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SampleUnits.h"

namespace koru {
namespace {

using test::Control;
using test::PrintTo;
using test::SendRig;
using test::SimulatedLine;

const std::string kSample = KORU_SOURCE_DIR "/docs/samples/pumpstation.kuf";

std::vector<std::string> ReportLines(SendRig& rig) {
    return test::Items(Control<QListWidget>(rig.progress(), "lstReport"));
}
QString Status(SendRig& rig) { return Control<QLineEdit>(rig.progress(), "Text1")->text(); }
QString ButtonText(SendRig& rig) { return Control<QPushButton>(rig.progress(), "btnAbort")->text(); }

TEST(WindowSendTest, AFullSendWritesWhatEncodePrints) {
    SendRig rig;
    SimulatedLine line(rig);
    ASSERT_TRUE(rig.open(kSample));
    const std::string expected = test::RunKorucfg({"encode", QString::fromStdString(kSample)}).out;
    ASSERT_FALSE(expected.empty());

    rig.pressSend();
    EXPECT_TRUE(rig.progress()->isVisible());
    EXPECT_FALSE(rig.sendDialog()->isVisible());
    EXPECT_EQ(ButtonText(rig), "Abort");
    ASSERT_TRUE(rig.driveToEnd());

    EXPECT_EQ(line.received(rig, expected.size()), expected);
    EXPECT_EQ(Status(rig), "Selected parameters saved in Koru");
    EXPECT_EQ(ButtonText(rig), "OK");
    auto* bar = Control<QProgressBar>(rig.progress(), "ProgressBar1");
    EXPECT_EQ(bar->maximum(), 14);
    EXPECT_EQ(bar->value(), 14);
    const std::vector<std::string> report = ReportLines(rig);
    ASSERT_EQ(report.size(), 10u);
    EXPECT_EQ(report[0], "General and Sleep setup (record 1): acknowledged");
    EXPECT_EQ(report[9], "Output and flag actions (records 11, 12, 13): acknowledged");
    EXPECT_TRUE(rig.dialogs.shown.empty());

    // "OK" closes the dialog and makes it ready for the next session.
    rig.pressProgressButton();
    EXPECT_FALSE(rig.progress()->isVisible());
    EXPECT_EQ(ButtonText(rig), "Abort");
    EXPECT_EQ(Status(rig), "");
}

std::string BaseUnit(SendRig& rig) { return test::WriteBaseUnit(rig.library.path()); }

// "SEND TO UNIT", then only "General and Sleep setup", "Network setup" and "Radio setup" ticked, then OK.
void SendGeneralNetworkRadio(SendRig& rig) {
    test::SendButton(*rig.window)->click();
    for (const char* box : {"chkInputSetup", "chkSerialSetup", "CheckAllEvents", "CheckAllActions"}) {
        SendRig::click(rig.sendDialog(), box);
    }
    SendRig::click(rig.sendDialog(), "cmdOk");
}

const std::string kEncodeSelection = "general,network,radio";

struct FaultCase {
    const char* name;
    SimulatorOptions options;
    std::vector<std::string> report;
    std::vector<std::string> messages;
    const char* note;
};

class WindowFaultTest : public ::testing::TestWithParam<FaultCase> {};

// Packet 3 is record 15, the second of the network group's two records.
TEST_P(WindowFaultTest, EndsWithTheVerdictButtonAndReport) {
    const FaultCase& c = GetParam();
    SendRig rig;
    SimulatedLine line(rig, c.options);
    const std::string unit = BaseUnit(rig);
    ASSERT_TRUE(rig.open(unit));

    SendGeneralNetworkRadio(rig);
    ASSERT_TRUE(rig.driveToEnd());

    EXPECT_EQ(Status(rig), "An error occured while communicating with Koru unit ");
    EXPECT_EQ(ButtonText(rig), "Try again");
    EXPECT_EQ(ReportLines(rig), c.report);
    std::vector<std::string> messages;
    for (const auto& shown : rig.dialogs.shown) messages.push_back(shown.text);
    EXPECT_EQ(messages, c.messages);
    auto* note = Control<QLabel>(rig.progress(), "lblNote");
    EXPECT_EQ(note->isVisibleTo(rig.progress()), *c.note != '\0');
    if (*c.note != '\0') {
        EXPECT_TRUE(note->text().startsWith(QString::fromLatin1(c.note))) << note->text().toStdString();
    }
    EXPECT_FALSE(rig.stack().port().isOpen());
    if (c.options.hangUpAt == 0) {
        // Nothing on the wire changes: every packet still went out.
        const std::string expected =
            test::RunKorucfg({"encode", "--select", QString::fromStdString(kEncodeSelection), QString::fromStdString(unit)})
                .out;
        EXPECT_EQ(line.received(rig, expected.size()), expected);
    }
}

SimulatorOptions Options(int errorAt, int mismatchAt, int silentFrom, int hangUpAt) {
    SimulatorOptions options;
    options.errorAt = errorAt;
    options.mismatchAt = mismatchAt;
    options.silentFrom = silentFrom;
    options.hangUpAt = hangUpAt;
    return options;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WindowFaultTest,
    ::testing::Values(
        FaultCase{"ErrorReport",
                  Options(3, 0, 0, 0),
                  {"General and Sleep setup (record 1): acknowledged",
                   "Network setup (records 2, 15): error report E12 (record 15, packet 1 of 1)",
                   "Radio setup (record 3): acknowledged"},
                  {"Koru reports error E12"},
                  ""},
        FaultCase{"DifferingCounts",
                  Options(0, 3, 0, 0),
                  {"General and Sleep setup (record 1): acknowledged",
                   "Network setup (records 2, 15): differing counts (record 15, packet 1 of 1)",
                   "Radio setup (record 3): acknowledged"},
                  {},
                  ""},
        FaultCase{"Silence",
                  Options(0, 0, 3, 0),
                  {"General and Sleep setup (record 1): acknowledged",
                   "Network setup (records 2, 15): not answered (record 15, packet 1 of 1)",
                   "Radio setup (record 3): not answered"},
                  {},
                  ""},
        FaultCase{"HangUp",
                  Options(0, 0, 0, 3),
                  {"General and Sleep setup (record 1): acknowledged",
                   "Network setup (records 2, 15): not answered (record 15, packet 1 of 1)",
                   "Radio setup (record 3): not sent"},
                  {},
                  "The connection was lost: "}),
    test::RowName());

TEST(WindowSendTest, AbortDuringAWaitWritesTheAbortLine) {
    SendRig rig;
    SimulatedLine line(rig, Options(0, 0, 2, 0));
    ASSERT_TRUE(rig.open(BaseUnit(rig)));
    SendGeneralNetworkRadio(rig);
    // Packet 2 stays unanswered: the sender waits for its acknowledgement.
    ASSERT_TRUE(rig.drive([&] { return line.unit.packetsReceived() == 2 && rig.stack().sender().waitingForAcknowledgement(); }));

    // While the session runs the dialog cannot be closed past its button.
    QTest::keyClick(rig.progress(), Qt::Key_Escape);
    EXPECT_TRUE(rig.progress()->isVisible());

    rig.pressProgressButton();
    EXPECT_EQ(Status(rig), "Operation aborted");
    EXPECT_EQ(ButtonText(rig), "Close");
    ASSERT_TRUE(rig.driveToEnd());
    EXPECT_TRUE(line.aborted(rig));
    EXPECT_EQ(ReportLines(rig), (std::vector<std::string>{"General and Sleep setup (record 1): acknowledged",
                                                          "Network setup (records 2, 15): not answered (record 2, packet 1 of 1)",
                                                          "Radio setup (record 3): not sent"}));
    EXPECT_FALSE(rig.stack().port().isOpen());

    rig.pressProgressButton();  // "Close"
    EXPECT_FALSE(rig.progress()->isVisible());
}

TEST(WindowSendTest, TryAgainRepeatsTheSession) {
    SendRig rig;
    SimulatedLine line(rig, Options(3, 0, 0, 0));  // only the first session meets the error report
    const std::string unit = BaseUnit(rig);
    ASSERT_TRUE(rig.open(unit));
    const std::string once =
        test::RunKorucfg({"encode", "--select", QString::fromStdString(kEncodeSelection), QString::fromStdString(unit)}).out;

    SendGeneralNetworkRadio(rig);
    ASSERT_TRUE(rig.driveToEnd());
    ASSERT_EQ(ButtonText(rig), "Try again");
    EXPECT_EQ(line.received(rig, once.size()), once);

    rig.pressProgressButton();
    EXPECT_EQ(ButtonText(rig), "Abort");
    EXPECT_EQ(ReportLines(rig), std::vector<std::string>{"The report follows when the session ends."});
    ASSERT_TRUE(rig.driveToEnd());
    EXPECT_EQ(Status(rig), "Selected parameters saved in Koru");
    EXPECT_EQ(ButtonText(rig), "OK");
    EXPECT_EQ(ReportLines(rig)[1], "Network setup (records 2, 15): acknowledged");
    EXPECT_EQ(line.received(rig, 2 * once.size()), once + once);
}

// The user goes on working while the unit is being configured: edits and tab changes reach the window at
// once, and what is sent is the unit as it stood when the send began.
TEST(WindowSendTest, TheWindowStaysUsableAndEditsWaitForTheNextSend) {
    SendRig rig;
    SimulatedLine line(rig);
    ASSERT_TRUE(rig.open(kSample));
    const std::string expected = test::RunKorucfg({"encode", QString::fromStdString(kSample)}).out;

    rig.window->show();
    rig.pressSend();
    ASSERT_TRUE(rig.drive([&] { return line.unit.packetsReceived() >= 1; }));
    ASSERT_TRUE(rig.send().running());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    auto* tabs = test::WindowControl<QTabWidget>(rig.window.get(), QStringLiteral("sstEvents"));
    tabs->setCurrentIndex(2);
    auto* retransmission = test::WindowControl<QLineEdit>(rig.window.get(), QStringLiteral("txtRetransmissionMinTime"));
    ASSERT_TRUE(retransmission->isVisible());
    retransmission->selectAll();
    QTest::keyClicks(retransmission, "500");
    EXPECT_EQ(rig.window->configuration().radio.retransmissionMinTime, "500");
    EXPECT_EQ(tabs->currentIndex(), 2);

    ASSERT_TRUE(rig.driveToEnd());
    EXPECT_EQ(Status(rig), "Selected parameters saved in Koru");
    EXPECT_EQ(line.received(rig, expected.size()), expected);

    // The next send carries the edit.
    rig.pressProgressButton();
    rig.pressSend();
    ASSERT_TRUE(rig.driveToEnd());
    const std::string second = line.received(rig, 2 * expected.size()).substr(expected.size());
    EXPECT_EQ(second.size(), expected.size());
    EXPECT_TRUE(second != expected);
}

TEST(WindowSendTest, AUnitThatFailsThePreflightOpensNoSession) {
    const std::pair<const char*, const char*> cases[] = {
        {"Id=0000000042", "Unit, Id: \"12ab\" is not a decimal unit number"},
        {"Alias=-", "Unit: Alias holds the double quote (\"), which ends the quoted text; a record cannot carry it"},
    };
    for (const auto& [line, reason] : cases) {
        SCOPED_TRACE(line);
        SendRig rig;
        SimulatedLine unit(rig);
        std::string bytes = test::ReadBytes(test::WriteBaseUnit(rig.library.path()));
        const std::string key = std::string(line).substr(0, std::string(line).find('=') + 1);
        bytes.replace(bytes.find(line), std::strlen(line), key + (key == "Id=" ? "12ab" : "Pu\"mp"));
        test::WriteBytes(rig.library / "unit.kuf", bytes);
        ASSERT_TRUE(rig.open((rig.library / "unit.kuf").string()));

        rig.pressSend();
        ASSERT_EQ(rig.dialogs.shown.size(), 1u);
        const auto& shown = rig.dialogs.shown[0];
        EXPECT_EQ(shown.title, "Send to KORU-unit");
        EXPECT_TRUE(shown.text.starts_with("The unit cannot be sent as it stands; nothing was sent:\n")) << shown.text;
        EXPECT_NE(shown.text.find(reason), std::string::npos) << shown.text;
        EXPECT_TRUE(rig.sendDialog()->isVisible());
        EXPECT_FALSE(rig.progress()->isVisible());
        EXPECT_FALSE(rig.send().running());
        EXPECT_FALSE(rig.stack().port().isOpen());  // nothing can reach the unit
        EXPECT_EQ(unit.unit.received(), "");
    }
}

TEST(WindowSendTest, ALinkThatCannotOpenShowsTheSettings) {
    SendRig rig;
    for (const char* key : {"ComDevice1", "ComDevice2", "ComDevice3"}) {
        rig.store.setValue("serialsetup", key, "/nonexistent/koru-port");
    }
    ASSERT_TRUE(rig.open(BaseUnit(rig)));

    rig.pressSend();
    ASSERT_FALSE(rig.dialogs.shown.empty());
    EXPECT_EQ(rig.dialogs.shown.back().text, "Error connecting. /nonexistent/koru-port: No such file or directory");
    EXPECT_EQ(rig.dialogs.shown.back().title, "Error");
    EXPECT_TRUE(rig.settings()->isVisible());
    // The settings dialog's log says why too.
    EXPECT_TRUE(Control<QPlainTextEdit>(rig.settings(), "StatusBar")
                    ->toPlainText()
                    .startsWith("Error connecting. /nonexistent/koru-port: No such file or directory"))
        << Control<QPlainTextEdit>(rig.settings(), "StatusBar")->toPlainText().toStdString();
    EXPECT_TRUE(rig.sendDialog()->isVisible());
    EXPECT_FALSE(rig.progress()->isVisible());
}

// The settings dialog follows a send as it happens and keeps its hands off the port meanwhile.
TEST(WindowSendTest, TheSettingsDialogFollowsASend) {
    SendRig rig;
    SimulatedLine line(rig);
    ASSERT_TRUE(rig.open(BaseUnit(rig)));
    rig.window->menus().commSettings->trigger();
    ASSERT_TRUE(rig.settings()->isVisible());

    SendGeneralNetworkRadio(rig);
    ASSERT_TRUE(rig.drive([&] { return line.unit.packetsReceived() >= 1; }));
    EXPECT_TRUE(Control<QLabel>(rig.settings(), "lblSendRunning")->isVisible());
    for (const char* name : {"PortDisconnect", "PortConnect", "btnSerialSave", "fraPort", "fraSettings"}) {
        EXPECT_FALSE(Control<QWidget>(rig.settings(), name)->isEnabled()) << name;
    }
    // Showing it again while the send runs leaves the link alone.
    rig.window->menus().commSettings->trigger();
    EXPECT_TRUE(rig.stack().port().isOpen());

    ASSERT_TRUE(rig.driveToEnd());
    EXPECT_EQ(Status(rig), "Selected parameters saved in Koru");
    EXPECT_FALSE(Control<QLabel>(rig.settings(), "lblSendRunning")->isVisible());
    EXPECT_TRUE(Control<QWidget>(rig.settings(), "PortConnect")->isEnabled());
    EXPECT_EQ(Control<QLineEdit>(rig.settings(), "Text1")->text(), "waitM");  // the end line is not answered
    const QString log = Control<QPlainTextEdit>(rig.settings(), "StatusBar")->toPlainText();
    const auto& entries = rig.stack().link().linkLog().entries();
    EXPECT_EQ(log.count(QLatin1Char('\n')) + 1, static_cast<qsizetype>(entries.size()));
    EXPECT_TRUE(log.contains("_received_\nReceived: M1;C1;\n")) << log.toStdString();
}

// The send windows are made when first needed, and one first shown during a send shows it as it stands.
TEST(WindowSendTest, ASendWindowMadeDuringASendShowsTheSend) {
    SendRig rig;
    SimulatedLine line(rig);
    EXPECT_EQ(rig.window->findChild<SerialSetupDialog*>(), nullptr);
    EXPECT_EQ(rig.window->findChild<SendDialog*>(), nullptr);
    EXPECT_EQ(rig.window->findChild<ProgressDialog*>(), nullptr);
    ASSERT_TRUE(rig.open(BaseUnit(rig)));

    SendGeneralNetworkRadio(rig);
    ASSERT_TRUE(rig.drive([&] { return line.unit.packetsReceived() >= 1; }));
    ASSERT_EQ(rig.window->findChild<SerialSetupDialog*>(), nullptr);
    rig.window->menus().commSettings->trigger();
    ASSERT_TRUE(rig.settings()->isVisible());
    EXPECT_TRUE(Control<QLabel>(rig.settings(), "lblSendRunning")->isVisible());
    EXPECT_FALSE(Control<QWidget>(rig.settings(), "PortConnect")->isEnabled());
    const QString log = Control<QPlainTextEdit>(rig.settings(), "StatusBar")->toPlainText();
    EXPECT_EQ(log.count(QLatin1Char('\n')) + 1,
              static_cast<qsizetype>(rig.stack().link().linkLog().entries().size()));

    ASSERT_TRUE(rig.driveToEnd());
    EXPECT_EQ(Status(rig), "Selected parameters saved in Koru");
    EXPECT_FALSE(Control<QLabel>(rig.settings(), "lblSendRunning")->isVisible());
}

TEST(WindowSendTest, ClosingTheProgramAbortsARunningSend) {
    SendRig rig;
    SimulatedLine line(rig, Options(0, 0, 2, 0));
    rig.store.setValue("serialsetup", "ComPortS", "19200,n,8,1");
    ASSERT_TRUE(rig.open(BaseUnit(rig)));
    SendGeneralNetworkRadio(rig);
    ASSERT_TRUE(rig.drive([&] { return line.unit.packetsReceived() == 2; }));

    QSignalSpy ending(rig.window.get(), &MainWindow::programEnding);
    rig.dialogs.answers.push_back(false);  // "Do you want to save unit?" No
    rig.window->close();
    ASSERT_TRUE(rig.drive([&] { return ending.count() == 1; }));
    EXPECT_TRUE(line.aborted(rig));
    EXPECT_FALSE(rig.stack().port().isOpen());
    EXPECT_EQ(rig.store.value("serialsetup", "ComPortS", ""), "19200,n,8,1");
    EXPECT_EQ(rig.store.value("serialsetup", "ComPortP", ""), "1");
}

}  // namespace
}  // namespace koru
