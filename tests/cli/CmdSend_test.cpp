#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include <csignal>

#include "tests/support/Korucfg.h"
#include "tests/support/NamedCase.h"
#include "tests/support/PtyPair.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/Sanitizers.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

using test::PrintTo;

const QString kKorucfg = QStringLiteral(KORU_BIN_DIR "/korucfg");
const std::string kSaved = "Selected parameters saved in Koru\n";
const std::string kFailed = "An error occured while communicating with Koru unit \n";

using test::SimulatorProcess;

QString BaseUnit(const test::TempDir& dir) { return QString::fromStdString(test::WriteBaseUnit(dir.path())); }

// The lines between "Delivery report:" and the verdict.
std::vector<std::string> ReportLines(const std::string& err) {
    std::vector<std::string> lines;
    const auto start = err.find("Delivery report:\n");
    if (start == std::string::npos) return lines;
    for (std::size_t at = start + 17; at < err.size();) {
        const auto end = err.find('\n', at);
        const std::string line = err.substr(at, end - at);
        if (!line.starts_with("  ")) break;
        lines.push_back(line.substr(2));
        at = end + 1;
    }
    return lines;
}

// A slow unit that answers in pieces, on a real line and in real time.
TEST(CmdSendTest, ACleanSessionWritesTheEncodedBytesAndReportsEveryGroup) {
    test::TempDir dir;
    const QString unit = BaseUnit(dir);
    const test::ProgramRun plan = test::RunKorucfg({"encode", "--select", "radio,network,serial", unit});
    ASSERT_EQ(plan.exitCode, 0) << plan.err;
    SimulatorProcess simulator({"--split", "--delay", "300"}, (dir / "t.bin").string());

    const test::ProgramRun run = test::RunKorucfg(
        {"send", "--port", simulator.device(), "--select", "radio,network,serial", "--timeout", "1000", "--library",
         test::PathArgument(dir.path()), unit});

    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.ends_with("\nDelivery report:\n"
                                  "  Network setup (records 2, 15): acknowledged\n"
                                  "  Radio setup (record 3): acknowledged\n"
                                  "  Serial communication setup (record 4): acknowledged\n" +
                                  kSaved))
        << run.err;
    EXPECT_NE(run.err.find("korucfg send: [2/4] record 15: sent, state OK"), std::string::npos) << run.err;
    EXPECT_EQ(simulator.received(), plan.out);
}

// A reply whose line end comes after the sender's pause, in a read of its own (as some USB adapters hand it
// over), still acknowledges its packet.
TEST(CmdSendTest, RepliesWhoseLineEndComesApartAreAcknowledged) {
    for (const char* late : {"1", "2"}) {
        SCOPED_TRACE(std::string("--split-end ") + late);
        test::TempDir dir;
        const QString unit = BaseUnit(dir);
        SimulatorProcess simulator({"--split-end", late}, (dir / "t.bin").string());
        const test::ProgramRun run = test::RunKorucfg(
            {"send", "--port", simulator.device(), "--select", "radio,network", "--timeout", "1000", unit});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(ReportLines(run.err), (std::vector<std::string>{"Network setup (records 2, 15): acknowledged",
                                                                  "Radio setup (record 3): acknowledged"}))
            << run.err;
    }
}

// The largest the process has been, from /proc: kB.
long PeakMemoryKb(qint64 pid) {
    const std::string status = test::ReadBytes("/proc/" + std::to_string(pid) + "/status");
    const auto at = status.find("VmHWM:");
    return at == std::string::npos ? -1 : std::stol(status.substr(at + 6));
}

// A unit that floods the line with "OK;" lines as fast as it takes them: the send's memory stays small.
// (Three seconds of flood once took the process to 260 MB.)
TEST(CmdSendTest, AFloodingUnitCostsLittleMemory) {
    test::TempDir dir;
    SimulatorProcess simulator({"--flood", "--silent-from", "1"}, (dir / "t.bin").string());
    QProcess send;
    send.start(kKorucfg, {"send", "--port", simulator.device(), "--select", "radio", "--timeout", "1000", BaseUnit(dir)});
    ASSERT_TRUE(send.waitForStarted(10000));
    QTest::qWait(3000);
    const long peakKb = PeakMemoryKb(send.processId());
    ::kill(static_cast<pid_t>(send.processId()), SIGINT);
    ASSERT_TRUE(send.waitForFinished(10000));
    EXPECT_EQ(send.exitCode(), 130) << send.readAllStandardError().toStdString();
    EXPECT_GT(peakKb, 0);
#ifdef KORU_ADDRESS_SANITIZER
    GTEST_SKIP() << "peak memory " << peakKb << " kB under AddressSanitizer";
#endif
    EXPECT_LT(peakKb, 64 * 1024) << "peak memory in kB";
}

struct FaultCase {
    const char* name;
    QStringList simulatorOptions;
    std::vector<std::string> failed;  // the report's lines that are not "acknowledged"
};

class CmdSendFaultTest : public ::testing::TestWithParam<FaultCase> {};

// Every fault of the unit ends with exit 1, the failure verdict and a report naming the group; the wire
// carries what a clean session would.
TEST_P(CmdSendFaultTest, EndsWithTheFailureVerdictAndNamesTheGroup) {
    const FaultCase& c = GetParam();
    test::TempDir dir;
    const QString unit = BaseUnit(dir);
    SimulatorProcess simulator(c.simulatorOptions, (dir / "t.bin").string());

    const test::ProgramRun run = test::RunKorucfg(
        {"send", "--port", simulator.device(), "--timeout", "1000", "--library", test::PathArgument(dir.path()), unit});

    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.ends_with("\n" + kFailed)) << run.err;
    std::vector<std::string> failed;
    for (const std::string& line : ReportLines(run.err)) {
        if (!line.ends_with(": acknowledged") && !line.ends_with(": nothing to send")) failed.push_back(line);
    }
    EXPECT_EQ(failed, c.failed) << run.err;
    EXPECT_EQ(simulator.received(), test::RunKorucfg({"encode", unit}).out);
}

INSTANTIATE_TEST_SUITE_P(
    Units, CmdSendFaultTest,
    ::testing::Values(
        FaultCase{"ErrorReportAtPacket3", {"--error-at", "3"},
                  {"Network setup (records 2, 15): error report E12 (record 15, packet 1 of 1)"}},
        FaultCase{"DifferingCountsAtPacket3", {"--mismatch-at", "3"},
                  {"Network setup (records 2, 15): differing counts (record 15, packet 1 of 1)"}},
        FaultCase{"ErrorReportAndDifferingCounts", {"--error-at", "5", "--mismatch-at", "7"},
                  {"Serial communication setup (record 4): error report E12",
                   "Input setup (record 5): differing counts (record 5, packet 2 of 2)"}},
        FaultCase{"SilentFromPacket17", {"--silent-from", "17"},
                  {"Message actions (records 10, 12, 13): not answered (record 10, packet 1 of 3)"}},
        FaultCase{"SilentFromPacket19", {"--silent-from", "19"},
                  {"Message actions (records 10, 12, 13): not answered (record 10, packet 3 of 3)"}}),
    test::RowName());

struct PreflightCase {
    const char* name;
    std::string unitFile;
    std::string reason;
};

// A unit that cannot be sent as it stands opens no session: the device hears nothing.
TEST(CmdSendTest, AUnitThatCannotBeSentStartsNoSession) {
    const PreflightCase cases[] = {
        {"hexadecimal ID", "-Unit\r\nId=0x10\r\n", "Unit, Id: \"0x10\" is not a decimal unit number"},
        {"ID with letters", "-Unit\r\nId=12ab\r\n", "Unit, Id: \"12ab\" is not a decimal unit number"},
        {"negative ID", "-Unit\r\nId=-5\r\n", "Unit, Id: \"-5\" is not a decimal unit number"},
        {"ID with an exponent", "-Unit\r\nId=1e3\r\n", "Unit, Id: \"1e3\" is not a decimal unit number"},
        {"no ID", "-Unit\r\nId=\r\n", "Unit, Id: \"\" is not a decimal unit number"},
        {"time that fails to encode", "-Unit\r\nId=42\r\n\r\n-Timer\r\n+Timer1\r\nTime=-1e400\r\nUnit=s\r\n",
         "Timer, +Timer1: Error in set_param8(): Overflow"},
        {"alias over the line limit", "-Unit\r\nId=42\r\nAlias=" + std::string(120, 'x') + "\r\n",
         "Unit: packet of 160 characters exceeds the line limit of 139"},
        {"alias with a quote", "-Unit\r\nId=42\r\nAlias=Pump \"A\"\r\n",
         "Unit: Alias holds the double quote (\"), which ends the quoted text; a record cannot carry it"},
        {"text to send with a record's end", "-Unit\r\nId=42\r\n-Message action\r\n+Message4\r\nText=Stop; now\r\n",
         "Message action, +Message4: Text holds \";\", which ends a record; a record cannot carry it"},
    };
    test::TempDir dir;
    for (const PreflightCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteBytes(dir / "u.kuf", c.unitFile);
        test::PtyPair device;
        const test::ProgramRun run = test::RunKorucfg(
            {"send", "--port", QString::fromStdString(device.devicePath()),
             QString::fromStdString((dir / "u.kuf").string())},
            10000);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("the unit cannot be sent as it stands"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("\n  " + c.reason), std::string::npos) << run.err;
        EXPECT_EQ(device.readAvailable(), "");
    }
}

struct InterruptCase {
    const char* name;
    int signalNumber;
    int exitCode;
};

class CmdSendInterruptTest : public ::testing::TestWithParam<InterruptCase> {};

// Ctrl+C, SIGTERM or a closed terminal (SIGHUP) during a send: the abort line reaches the unit before the
// port closes, and the end of the session is reported as always.
TEST_P(CmdSendInterruptTest, AbortsTheSessionAndReports) {
    const InterruptCase& c = GetParam();
    test::TempDir dir;
    SimulatorProcess simulator({"--silent-from", "2"}, (dir / "t.bin").string());
    QProcess send;
    send.start(kKorucfg, {"send", "--port", simulator.device(), "--timeout", "1000", "--library",
                          test::PathArgument(dir.path()), BaseUnit(dir)});
    QByteArray err;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            send.waitForReadyRead(50);
            err += send.readAllStandardError();
            return err.contains("record 2: sent");  // the second packet waits for its answer
        },
        20000))
        << err.toStdString();

    ::kill(static_cast<pid_t>(send.processId()), c.signalNumber);
    ASSERT_TRUE(send.waitForFinished(10000));
    err += send.readAllStandardError();
    const std::string text = err.toStdString();

    EXPECT_EQ(send.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(send.exitCode(), c.exitCode);
    EXPECT_NE(text.find("\nOperation aborted\nDelivery report:\n"
                        "  General and Sleep setup (record 1): acknowledged\n"
                        "  Network setup (records 2, 15): not answered (record 2, packet 1 of 1)\n"
                        "  Radio setup (record 3): not sent\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(text.ends_with("\n" + kFailed)) << text;
    EXPECT_TRUE(simulator.received().ends_with("ORVEN_AB_KORU_SETUP;0000002A;ABORT;\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Signals, CmdSendInterruptTest,
                         ::testing::Values(InterruptCase{"CtrlC", SIGINT, 130},
                                           InterruptCase{"Terminate", SIGTERM, 143},
                                           InterruptCase{"TerminalClosed", SIGHUP, 129}),
                         test::RowName());

struct ComPortCase {
    const char* name;
    const char* stored;  // the line settings as the settings file holds them
    QStringList options;
    const char* used;  // what korucfg says it sends over, after the device
};

class CmdSendComPortTest : public ::testing::TestWithParam<ComPortCase> {};

// "COM2" is the device the window's settings dialog chose for port 2, with the line settings and time-out
// it stored, unless the options say otherwise.
TEST_P(CmdSendComPortTest, SendsAsTheWindowWould) {
    test::TempDir dir;
    const QString unit = BaseUnit(dir);
    SimulatorProcess simulator({}, (dir / "t.bin").string());
    test::WriteBytes(dir / "KORU Configurator.conf", "[serialsetup]\nComDevice2=" + simulator.device().toStdString() +
                                                         "\nComPortS=" + GetParam().stored + "\nTOslider=5000\n");
    QProcess send;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.path().string()));
    send.setProcessEnvironment(environment);
    send.start(kKorucfg, QStringList{"send", "--port", "COM2", "--select", "radio", "--library", test::PathArgument(dir.path())} +
                             GetParam().options + QStringList{unit});
    ASSERT_TRUE(send.waitForFinished(30000));
    const std::string err = send.readAllStandardError().toStdString();
    EXPECT_EQ(send.exitCode(), 0) << err;
    EXPECT_NE(err.find("korucfg send: COM2 is " + simulator.device().toStdString() + ", " + GetParam().used + "\n"),
              std::string::npos)
        << err;
    EXPECT_EQ(simulator.received(), test::RunKorucfg({"encode", "--select", "radio", unit}).out);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, CmdSendComPortTest,
    ::testing::Values(ComPortCase{"StoredSettings", "\"19200,E,7,1\"", {}, "19200,E,7,1, reply time-out 5000 ms"},
                      // A hand-edited or older settings file writes them without quotes.
                      ComPortCase{"StoredWithoutQuotes", "19200,e,7,2", {}, "19200,e,7,2, reply time-out 5000 ms"},
                      ComPortCase{"OptionsWin", "\"19200,E,7,1\"", {"--settings", "9600,o,8,2", "--timeout", "1000"},
                                  "9600,o,8,2, reply time-out 1000 ms"}),
    test::RowName());

// A stored value that is no line settings stops the send before anything opens, named as the file holds it.
TEST(CmdSendTest, StoredSettingsThatAreNoLineSettingsAreNamedAsWritten) {
    test::TempDir dir;
    test::WriteBytes(dir / "KORU Configurator.conf", "[serialsetup]\nComDevice2=/dev/null\nComPortS=19200,q,7,1\n");
    QProcess send;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.path().string()));
    send.setProcessEnvironment(environment);
    send.start(kKorucfg, {"send", "--port", "COM2", BaseUnit(dir)});
    ASSERT_TRUE(send.waitForFinished(30000));
    EXPECT_EQ(send.exitCode(), 2);
    EXPECT_EQ(send.readAllStandardError().toStdString(),
              "korucfg send: the stored settings \"19200,q,7,1\" are not baud,parity,data bits,stop bits\n");
}

struct UsageCase {
    const char* name;
    QStringList arguments;
    int exitCode;
    std::string errPart;
};

class CmdSendUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CmdSendUsageTest, RefusesBeforeSending) {
    test::TempDir dir;
    QStringList arguments{"send"};
    for (const QString& argument : GetParam().arguments) arguments << (argument == "UNIT" ? BaseUnit(dir) : argument);
    const test::ProgramRun run = test::RunKorucfg(arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().errPart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CmdSendUsageTest,
    ::testing::Values(
        UsageCase{"NoPort", {"UNIT"}, 2, "no --port DEVICE"},
        UsageCase{"EmptyPort", {"--port", "", "UNIT"}, 2, "no --port DEVICE"},
        UsageCase{"NoFile", {"--port", "/dev/null"}, 2, "no FILE"},
        UsageCase{"BadSettings", {"--port", "/dev/null", "--settings", "9600,q,8,1", "UNIT"}, 2, "9600,q,8,1"},
        UsageCase{"BadTimeout", {"--port", "/dev/null", "--timeout", "soon", "UNIT"}, 2,
                  "korucfg send: --timeout takes whole milliseconds from 1000 to 3600000, not \"soon\""},
        UsageCase{"TimeoutUnderASecond", {"--port", "/dev/null", "--timeout", "500", "UNIT"}, 2,
                  "korucfg send: --timeout takes whole milliseconds from 1000 to 3600000, not \"500\""},
        UsageCase{"UnknownGroup", {"--port", "/dev/null", "--select", "coffee", "UNIT"}, 2, "coffee"},
        UsageCase{"RetransmissionNotANumber", {"--port", "/dev/null", "--retrans-min", "abc", "UNIT"}, 2,
                  "--retrans-min takes milliseconds from 0 to 2500, not \"abc\""},
        UsageCase{"RetransmissionTooLong", {"--port", "/dev/null", "--retrans-max", "2501", "UNIT"}, 2,
                  "--retrans-max takes milliseconds from 0 to 2500"},
        UsageCase{"RetransmissionWithExponent", {"--port", "/dev/null", "--retrans-max", "1e3", "UNIT"}, 2,
                  "--retrans-max takes milliseconds"},
        UsageCase{"MissingDevice", {"--port", "/dev/no-such-koru-port", "UNIT"}, 1,
                  "Error connecting. /dev/no-such-koru-port: No such file or directory"},
        UsageCase{"NotASerialDevice", {"--port", "/dev/null", "UNIT"}, 1, "Error connecting. /dev/null: "}),
    test::RowName());

}  // namespace
}  // namespace koru
