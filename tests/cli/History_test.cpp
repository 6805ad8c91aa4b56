#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "model/SendHistory.h"
#include "tests/support/Korucfg.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

using test::PrintTo;
namespace fs = std::filesystem;
using test::PathArgument;
using test::ProgramRun;
using test::RunKorucfg;
using test::SimulatorProcess;

const std::vector<std::string> kAllGroups{"general", "network",        "radio",      "serial",          "input",
                                          "io-events", "message-events", "tcc-events", "message-actions", "output-flag-actions"};

// A library in a temporary folder and the base unit 42 beside it; sends go to a simulated unit over a
// pseudo-terminal and log into the library.
class HistoryTest : public ::testing::Test {
protected:
    HistoryTest() : unit(QString::fromStdString(test::WriteBaseUnit(dir.path()))) {}

    struct Sent {
        ProgramRun run;
        std::string device;
        std::string wire;  // what the unit received
    };
    Sent send(const QStringList& options, const QStringList& simulatorOptions = {}) {
        SimulatorProcess simulator(simulatorOptions, (dir / ("wire" + std::to_string(++sends) + ".bin")).string());
        Sent sent;
        sent.device = simulator.device().toStdString();
        sent.run = RunKorucfg(QStringList{"send", "--port", simulator.device(), "--timeout", "1000", "--library",
                                          PathArgument(dir.path())} +
                              options + QStringList{unit});
        sent.wire = simulator.received();
        return sent;
    }
    ProgramRun diffSent() { return RunKorucfg({"diff", "--sent", "--library", PathArgument(dir.path()), unit}); }
    // The unit's file with one line replaced.
    void edit(const std::string& line, const std::string& replacement) {
        std::string text = test::ReadBytes(unit.toStdString());
        text.replace(text.find(line), line.size(), replacement);
        test::WriteBytes(unit.toStdString(), text);
    }
    std::vector<SendLogEntry> log() { return SendHistory(dir.path()).readLog().entries; }

    test::TempDir dir;
    QString unit;
    int sends = 0;
};

// The group names of "Changed groups:" in diff --sent's output.
std::vector<std::string> ChangedGroups(const std::string& out) {
    std::vector<std::string> names;
    const auto start = out.find("Changed groups:\n");
    if (start == std::string::npos) return names;
    for (std::size_t at = start + 16; at < out.size() && out.compare(at, 2, "  ") == 0;) {
        const std::size_t end = out.find('\n', at);
        names.push_back(out.substr(at + 2, out.find(' ', at + 2) - at - 2));
        at = end + 1;
    }
    return names;
}

TEST_F(HistoryTest, ACleanSendLogsOneEntryWithEveryGroupAcknowledged) {
    const Sent sent = send({});
    ASSERT_EQ(sent.run.exitCode, 0) << sent.run.err;

    const std::vector<SendLogEntry> entries = log();
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(entries[0].unitId, "0000000042");
    EXPECT_EQ(entries[0].device, sent.device);
    EXPECT_EQ(entries[0].groups, kAllGroups);
    EXPECT_EQ(entries[0].verdict, "Selected parameters saved in Koru");
    EXPECT_TRUE(entries[0].program.starts_with("korucfg "));
    std::vector<GroupOutcome> acknowledged;
    for (const std::string& group : kAllGroups) acknowledged.push_back({group, "acknowledged"});
    acknowledged.back().outcome = "nothing to send";  // the base unit has no output or flag actions
    EXPECT_EQ(entries[0].outcomes, acknowledged);

    const ProgramRun history = RunKorucfg({"history", "--library", PathArgument(dir.path())});
    EXPECT_EQ(history.exitCode, 0) << history.err;
    EXPECT_EQ(std::count(history.out.begin(), history.out.end(), '\n'), 1);
    EXPECT_NE(history.out.find("  0000000042  " + sent.device + "  korucfg "), std::string::npos) << history.out;
    EXPECT_NE(history.out.find("  Selected parameters saved in Koru  general: acknowledged; network: acknowledged;"),
              std::string::npos)
        << history.out;
    EXPECT_EQ(RunKorucfg({"history", "--library", PathArgument(dir.path()), "43"}).out, "");

    const ProgramRun diff = diffSent();
    EXPECT_EQ(diff.exitCode, 0) << diff.out << diff.err;
    EXPECT_EQ(diff.out, "");
}

// After one field changed, --changed sends that group's records and nothing else; then nothing is left.
TEST_F(HistoryTest, SendChangedWritesOnlyTheGroupOfTheChangedField) {
    ASSERT_EQ(send({}).run.exitCode, 0);
    edit("Channel=0", "Channel=42");
    const ProgramRun diff = diffSent();
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_NE(diff.out.find("Radio, Channel: \"0\" | \"42\""), std::string::npos) << diff.out;
    EXPECT_EQ(ChangedGroups(diff.out), std::vector<std::string>{"radio"}) << diff.out;

    const Sent changed = send({"--changed"});
    EXPECT_EQ(changed.run.exitCode, 0) << changed.run.err;
    EXPECT_NE(changed.run.err.find("korucfg send: changed groups: radio\n"), std::string::npos) << changed.run.err;
    EXPECT_EQ(changed.wire, RunKorucfg({"encode", "--select", "radio", unit}).out);
    EXPECT_EQ(log().size(), 2U);

    EXPECT_EQ(diffSent().out, "");
    const ProgramRun nothing = RunKorucfg({"send", "--changed", "--port", "/dev/no-such-koru-port", "--library",
                                           PathArgument(dir.path()), unit});
    EXPECT_EQ(nothing.exitCode, 0) << nothing.err;
    EXPECT_NE(nothing.err.find("no group has changed"), std::string::npos) << nothing.err;
    EXPECT_EQ(log().size(), 2U);
}

// Packet 4 is the radio record: the unit reported an error for it, so radio has changed even though its
// packets are those the unit acknowledged before.
TEST_F(HistoryTest, AnErrorReportInAGroupLeavesItChanged) {
    ASSERT_EQ(send({}).run.exitCode, 0);
    const Sent failed = send({}, {"--error-at", "4"});
    EXPECT_EQ(failed.run.exitCode, 1);
    EXPECT_NE(failed.run.err.find("Radio setup (record 3): error report E12"), std::string::npos) << failed.run.err;

    const ProgramRun diff = diffSent();
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_EQ(ChangedGroups(diff.out), std::vector<std::string>{"radio"}) << diff.out;
    EXPECT_NE(diff.out.find("radio (Radio setup): not confirmed since a session at "), std::string::npos) << diff.out;
    ASSERT_EQ(log().size(), 2U);
    EXPECT_EQ(log()[1].outcomes[2], (GroupOutcome{"radio", "error report E12"}));
}

// The alias (general, packet 1) and the channel (radio) changed; the session is aborted while the unit
// keeps silent about packet 2: general went through, network may have, radio never left.
TEST_F(HistoryTest, AnAbortInTheMiddleLeavesTheLaterGroupsChanged) {
    ASSERT_EQ(send({}).run.exitCode, 0);
    edit("Channel=0", "Channel=42");
    edit("Alias=-", "Alias=Pump house");
    SimulatorProcess simulator({"--silent-from", "2"}, (dir / "abort.bin").string());
    QProcess sending;
    sending.start(KORU_BIN_DIR "/korucfg", {"send", "--port", simulator.device(), "--timeout", "1000", "--library",
                                           PathArgument(dir.path()), unit});
    QByteArray err;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            sending.waitForReadyRead(50);
            err += sending.readAllStandardError();
            return err.contains("record 2: sent");
        },
        20000))
        << err.toStdString();
    ::kill(static_cast<pid_t>(sending.processId()), SIGINT);
    ASSERT_TRUE(sending.waitForFinished(10000));
    EXPECT_EQ(sending.exitCode(), 130);

    const ProgramRun diff = diffSent();
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_EQ(ChangedGroups(diff.out), (std::vector<std::string>{"network", "radio"})) << diff.out;
    EXPECT_EQ(log().back().verdict, "Operation aborted");
}

TEST_F(HistoryTest, DiffOfAUnitWithItselfIsEmptyAndAChangeIsNamed) {
    const ProgramRun same = RunKorucfg({"diff", unit, unit});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");

    const QString other = PathArgument(dir / "other.kuf");
    std::string text = test::ReadBytes(unit.toStdString());
    text.replace(text.find("Channel=0"), 9, "Channel=42");
    test::WriteBytes(other.toStdString(), text + "\r\n-Timer\r\n+Timer2\r\nTime=500\r\n");
    const ProgramRun differ = RunKorucfg({"diff", unit, other});
    EXPECT_EQ(differ.exitCode, 1) << differ.err;
    EXPECT_EQ(differ.out, "Settings that differ (" + unit.toStdString() + " | " + other.toStdString() + "):\n"
                          "  Radio, Channel: \"0\" | \"42\"\n"
                          "  Timer, +Timer2, Time: \"0\" | \"500\"\n"
                          "Groups whose packets differ:\n"
                          "  radio (Radio setup)\n"
                          "  tcc-events (Timer, Counter, Comm. events)\n");

    const ProgramRun trouble = RunKorucfg({"diff", unit, PathArgument(dir / "missing.kuf")});
    EXPECT_EQ(trouble.exitCode, 2);
    EXPECT_EQ(trouble.out, "");
    EXPECT_NE(trouble.err.find("missing.kuf:0: cannot read the file"), std::string::npos) << trouble.err;
}

TEST_F(HistoryTest, AUnitNeverSentHasEveryGroupChanged) {
    const ProgramRun diff = diffSent();
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_TRUE(diff.out.starts_with("Nothing was acknowledged by unit 0000000042 from this library.\n")) << diff.out;
    EXPECT_EQ(ChangedGroups(diff.out).size(), kAllGroups.size()) << diff.out;
}

// Three programs send from one library at once, two of them to the same unit: every session is logged,
// and the unit's state holds what each got acknowledged.
TEST_F(HistoryTest, SessionsFromSeveralProgramsAtOnceAreAllLogged) {
    const QString unit43 = QString::fromStdString(test::WriteBaseUnit(dir.path(), "0000000043"));
    struct Run {
        QStringList select;
        QString unit;
    };
    const Run runs[] = {{{"--select", "radio"}, unit}, {{"--select", "serial"}, unit}, {{"--select", "radio"}, unit43}};
    std::vector<std::unique_ptr<SimulatorProcess>> simulators;
    std::vector<std::unique_ptr<QProcess>> programs;
    for (const Run& run : runs) {
        simulators.push_back(std::make_unique<SimulatorProcess>(
            QStringList{"--delay", "200"}, (dir / ("wire" + std::to_string(simulators.size()))).string()));
        programs.push_back(std::make_unique<QProcess>());
        programs.back()->start(KORU_BIN_DIR "/korucfg",
                               QStringList{"send", "--port", simulators.back()->device(), "--library",
                                           PathArgument(dir.path())} +
                                   run.select + QStringList{run.unit});
    }
    for (auto& program : programs) {
        ASSERT_TRUE(program->waitForFinished(30000));
        EXPECT_EQ(program->exitCode(), 0) << program->readAllStandardError().toStdString();
    }

    std::vector<std::string> logged;
    for (const SendLogEntry& entry : log()) logged.push_back(entry.unitId + " " + entry.groups.at(0));
    std::sort(logged.begin(), logged.end());
    EXPECT_EQ(logged, (std::vector<std::string>{"0000000042 radio", "0000000042 serial", "0000000043 radio"}));
    const UnitSendState state = SendHistory(dir.path()).readState("0000000042");
    EXPECT_TRUE(state.records.at(3).acknowledged);
    EXPECT_TRUE(state.records.at(4).acknowledged);
    EXPECT_EQ(state.records.size(), 2U);
}

// A log and a state that cannot be used never stop a send: each problem is said once, and the files are
// kept aside as they were.
TEST_F(HistoryTest, DamagedHistoryFilesAreKeptAsideAndTheSendGoesOn) {
    const SendHistory paths(dir.path());
    fs::create_directories(paths.folder());
    const std::string notALog = "this is not a send log\r\n";
    const std::string cutState = "KORU send state 1\r\nUnit=0000000042\r\n-Record 3\r\n";
    test::WriteBytes(paths.logFile(), notALog);
    test::WriteBytes(paths.stateFile("0000000042"), cutState);

    const Sent sent = send({"--select", "radio"});
    EXPECT_EQ(sent.run.exitCode, 0) << sent.run.err;
    for (const char* problem : {"send-log.csv\" could not be used (it is not a send log)",
                                "0000000042.state\" could not be used (it ends early, after line 3)"}) {
        const auto at = sent.run.err.find(problem);
        EXPECT_NE(at, std::string::npos) << sent.run.err;
        EXPECT_EQ(sent.run.err.find(problem, at + 1), std::string::npos) << sent.run.err;
    }
    EXPECT_TRUE(sent.run.err.ends_with("Selected parameters saved in Koru\n")) << sent.run.err;

    std::vector<std::string> aside;
    for (const auto& entry : fs::directory_iterator(paths.folder())) {
        if (entry.path().filename().string().find(".damaged-") != std::string::npos) {
            aside.push_back(test::ReadBytes(entry.path()));
        }
    }
    std::sort(aside.begin(), aside.end());
    EXPECT_EQ(aside, (std::vector<std::string>{cutState, notALog}));
    EXPECT_EQ(log().size(), 1U);
    EXPECT_TRUE(SendHistory(dir.path()).readState("0000000042").records.at(3).acknowledged);
}

struct UsageCase {
    const char* name;
    QStringList arguments;  // LIB is the library, UNIT the unit file
    int exitCode;
    std::string errPart;
};

class HistoryUsageTest : public HistoryTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(HistoryUsageTest, RefusesWithTheReason) {
    QStringList arguments;
    for (const QString& argument : GetParam().arguments) {
        arguments << (argument == "LIB" ? PathArgument(dir.path()) : argument == "UNIT" ? unit : argument);
    }
    const ProgramRun run = RunKorucfg(arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
    EXPECT_NE(run.err.find(GetParam().errPart), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "Send history"));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, HistoryUsageTest,
    ::testing::Values(
        UsageCase{"ChangedWithSelect", {"send", "--changed", "--select", "radio", "--port", "/dev/null", "UNIT"}, 2,
                  "give it without --select"},
        UsageCase{"MissingLibrary", {"send", "--library", "/no/such/library", "--port", "/dev/null", "UNIT"}, 2,
                  "the library folder /no/such/library does not exist"},
        UsageCase{"HistoryOfNoUnitNumber", {"history", "--library", "LIB", "12ab"}, 2, "\"12ab\" is no unit ID"},
        UsageCase{"DiffOfOneFile", {"diff", "UNIT"}, 2, "diff needs two FILEs"},
        UsageCase{"DiffSentWithoutFile", {"diff", "--sent", "--library", "LIB"}, 2, "diff --sent needs a FILE"}),
    test::RowName());

}  // namespace
}  // namespace koru
