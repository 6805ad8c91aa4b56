#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include "tests/support/Korucfg.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

const QString kUnitFile = QStringLiteral(KORU_BIN_DIR "/Default Files/KORU Base.kdf");

// `korucfg simulate --once` in its own process, so that a blocking korucfg run can talk to it.
class SimulatorProcess {
public:
    explicit SimulatorProcess(const QStringList& options, const std::string& transcript) {
        process_.start(QStringLiteral(KORU_BIN_DIR "/korucfg"),
                       QStringList{"simulate", "--once", "--transcript", QString::fromStdString(transcript)} + options);
        if (process_.waitForReadyRead(10000)) device_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~SimulatorProcess() {
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
    const QString& device() const { return device_; }

private:
    QProcess process_;
    QString device_;
};

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(CmdSendTest, SessionBytesEqualTheEncodedTranscript) {
    test::TempDir dir;
    const std::string transcript = (dir / "t.bin").string();
    const test::ProgramRun plan = test::RunKorucfg({"encode", "--select", "radio,network,serial", kUnitFile});
    ASSERT_EQ(plan.exitCode, 0) << plan.err;
    SimulatorProcess unit({}, transcript);

    const test::ProgramRun run = test::RunKorucfg(
        {"send", "--port", unit.device(), "--select", "radio,network,serial", "--timeout", "1000", kUnitFile});

    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.ends_with("\nSelected parameters saved in Koru\n")) << run.err;
    EXPECT_EQ(countOf(run.err, "korucfg send: ["), 4);  // records 2, 15, 3 and 4
    EXPECT_NE(run.err.find("] record 15: sent, state OK"), std::string::npos);
    QTest::qWait(200);
    EXPECT_EQ(test::ReadBytes(transcript), plan.out);
}

// A packet over the line limit is still written; its group then stops the session with no end line, and
// the unit has received exactly what a dry run prints.
TEST(CmdSendTest, PacketOverTheLimitStopsTheSessionLikeTheDryRun) {
    test::TempDir dir;
    test::WriteBytes(dir / "long.kuf", "-Unit\r\nId=0000000042\r\nAlias=" + std::string(120, 'x') + "\r\n");
    const QString unitFile = QString::fromStdString((dir / "long.kuf").string());
    const test::ProgramRun plan = test::RunKorucfg({"encode", "--select", "general,radio", unitFile});
    ASSERT_EQ(plan.exitCode, 1) << plan.err;
    ASSERT_EQ(plan.out.find("END;"), std::string::npos);

    const std::string transcript = (dir / "t.bin").string();
    SimulatorProcess unit({}, transcript);
    const test::ProgramRun run =
        test::RunKorucfg({"send", "--port", unit.device(), "--select", "general,radio", "--timeout", "1000", unitFile});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("Packet length exceeded"), std::string::npos) << run.err;
    QTest::qWait(200);
    EXPECT_EQ(test::ReadBytes(transcript), plan.out);
}

struct MisbehaviourCase {
    const char* name;
    QStringList simulatorOptions;
    int exitCode;
    std::string verdict;  // the last line of standard error
    std::string errPart;
};

class CmdSendMisbehaviourTest : public ::testing::TestWithParam<MisbehaviourCase> {};

TEST_P(CmdSendMisbehaviourTest, ReportsOnStandardStreams) {
    const MisbehaviourCase& c = GetParam();
    test::TempDir dir;
    SimulatorProcess unit(c.simulatorOptions, (dir / "t.bin").string());
    const test::ProgramRun run =
        test::RunKorucfg({"send", "--port", unit.device(), "--select", "radio", "--timeout", "1000", kUnitFile});
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.ends_with("\n" + c.verdict)) << run.err;
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Units, CmdSendMisbehaviourTest,
    ::testing::Values(
        MisbehaviourCase{"HangUp", {"--hang-up-at", "1"}, 1,
                         "An error occured while communicating with Koru unit \n", "korucfg send: connection lost: "},
        // One group starts the score at 3; the forced state after the report brings it to 4: not saved.
        MisbehaviourCase{"ErrorReport", {"--error-at", "1"}, 1,
                         "An error occured while communicating with Koru unit \n", "Koru reports error E12"},
        MisbehaviourCase{"SplitAndSlow", {"--split", "--delay", "200"}, 0, "Selected parameters saved in Koru\n",
                         "record 3: sent, state OK"}),
    [](const auto& tested) { return std::string(tested.param.name); });

struct UsageCase {
    const char* name;
    QStringList arguments;
    int exitCode;
    std::string errPart;
};

class CmdSendUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CmdSendUsageTest, RefusesBeforeSending) {
    const test::ProgramRun run = test::RunKorucfg(QStringList{"send"} + GetParam().arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().errPart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CmdSendUsageTest,
    ::testing::Values(UsageCase{"NoPort", {kUnitFile}, 2, "no --port DEVICE"},
                      UsageCase{"NoFile", {"--port", "/dev/null"}, 2, "no FILE"},
                      UsageCase{"BadSettings", {"--port", "/dev/null", "--settings", "9600,q,8,1", kUnitFile}, 2,
                                "9600,q,8,1"},
                      UsageCase{"BadTimeout", {"--port", "/dev/null", "--timeout", "soon", kUnitFile}, 2, "--timeout"},
                      UsageCase{"UnknownGroup", {"--port", "/dev/null", "--select", "coffee", kUnitFile}, 2, "coffee"},
                      UsageCase{"MissingDevice", {"--port", "/dev/no-such-koru-port", kUnitFile}, 1,
                                "Error connecting. No such file or directory"}),
    [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace koru
