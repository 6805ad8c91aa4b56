#include <gtest/gtest.h>

#include <string>

#include "tests/support/Korucfg.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

const std::string H = "ORVEN_AB_KORU_SETUP;0000002A;";
const std::string kStart = H + "START;" + std::string(102, ' ') + "\r\n";
const std::string kEnd = H + "END;\r\n";

const std::string kUnit42 =
    "-Unit\r\nId=0000000042\r\nAlias=Pump house\r\n\r\n"
    "-Input\r\n+Input1\r\nOn=1\r\n+Sleep\r\nSleepOn=1\r\nSleepHighLow=0\r\n\r\n"
    "-Timer action\r\nActions=Timer 2 = 5 s,Stop timer 1\r\n\r\n"
    "-Timer event\r\n+Timer1\r\nOn=1\r\nActions=Stop timer 1,Sleep mode,Gone\r\n";

// A parameter file loaded over the unit: another radio channel.
const std::string kRadioParameters = "-Radio\r\nChannel=12\r\nRetransmitt=300\r\n";

struct EncodeCase {
    const char* name;
    QStringList options;
    bool withParameters;
    std::string out;
    int exitCode;
    std::string err;
};

TEST(EncodeCommand, WritesTheTranscriptByteForByte) {
    const EncodeCase cases[] = {
        {"general and radio", {"--select", "general,radio"}, false,
         kStart + H + "1:\"Pump house\":1:0;\r\n" + H + "3:0:0:0:0:0:3:20:60::0;\r\n" + kEnd, 0, ""},
        {"parameter file over the unit, odd retransmission time", {"--select", "radio", "--retrans-min", "205"}, true,
         kStart + H + "3:12:0:0:0:0:45:20.5:60::0;\r\n" + kEnd, 0, ""},
        {"actions and events", {"--select", "output-flag-actions"}, false,
         kStart + H + "12:3:0:1:00000032:001;12:3:1:3::000;\r\n" + H + "12:3:2:12:00000000:2;\r\n" + H +
             "13:3:0:80:1;13:3:1:80:2;13:3:2:80:255;\r\n" + kEnd, 0, ""},
        {"nothing selected", {"--select", ""}, false, kStart + kEnd, 1, ""},
    };
    test::TempDir dir;
    test::WriteBytes(dir / "0000000042(Pump house).kuf", kUnit42);
    test::WriteBytes(dir / "radio.kpf", kRadioParameters);
    for (const auto& c : cases) {
        QStringList arguments{"encode"};
        arguments << c.options << QString::fromStdString((dir / "0000000042(Pump house).kuf").string());
        if (c.withParameters) arguments << QString::fromStdString((dir / "radio.kpf").string());
        const test::ProgramRun run = test::RunKorucfg(arguments);
        EXPECT_EQ(run.out, c.out) << c.name;
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(run.err, c.err) << c.name;
    }
}

TEST(EncodeCommand, APacketOverTheLimitStopsTheSessionWithExit1) {
    test::TempDir dir;
    const std::string alias(100, 'A');
    test::WriteBytes(dir / "long.kuf", "-Unit\r\nId=42\r\nAlias=" + alias + "\r\n");
    const test::ProgramRun run =
        test::RunKorucfg({"encode", "--select", "general,radio", QString::fromStdString((dir / "long.kuf").string())});
    EXPECT_EQ(run.out, kStart + H + "1:\"" + alias + "\":0:1;\r\n");
    EXPECT_EQ(run.err, "Packet length exceeded\n");
    EXPECT_EQ(run.exitCode, 1);
}

TEST(EncodeCommand, DefaultSendsEveryGroup) {
    test::TempDir dir;
    test::WriteBytes(dir / "u.kuf", kUnit42);
    const test::ProgramRun run = test::RunKorucfg({"encode", QString::fromStdString((dir / "u.kuf").string())});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind(kStart, 0), 0u);
    EXPECT_EQ(run.out.substr(run.out.size() - kEnd.size()), kEnd);
    for (const char* record : {"1:", "2:", "15:", "3:", "4:", "5:", "6:", "7:", "8:", "14:", "10:", "12:", "13:"}) {
        EXPECT_NE(run.out.find(H + record), std::string::npos) << record;
    }
}

struct UsageCase {
    const char* name;
    QStringList arguments;
};

TEST(EncodeCommand, UsageAndLoadErrorsExit2) {
    test::TempDir dir;
    test::WriteBytes(dir / "u.kuf", kUnit42);
    const QString unit = QString::fromStdString((dir / "u.kuf").string());
    const UsageCase cases[] = {
        {"unknown group", {"encode", "--select", "radio,remote-events", unit}},
        {"no file", {"encode"}},
        {"missing file", {"encode", QString::fromStdString((dir / "none.kuf").string())}},
        {"unknown option", {"encode", "--fast", unit}},
        // An empty or unreadable time once left its field out of record 3.
        {"empty retransmission time", {"encode", "--retrans-max", "", unit}},
        {"retransmission time that is no number", {"encode", "--retrans-min", "abc", unit}},
    };
    for (const auto& c : cases) {
        const test::ProgramRun run = test::RunKorucfg(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.name;
        EXPECT_EQ(run.out, "") << c.name;
        EXPECT_FALSE(run.err.empty()) << c.name;
    }
}

TEST(CheckCommand, ListsFindingsWithSectionAndExits1) {
    test::TempDir dir;
    test::WriteBytes(dir / "u.kuf", kUnit42 + "-Counter\r\n+Counter2\r\nCounter=lots\r\n");
    const test::ProgramRun run = test::RunKorucfg({"check", QString::fromStdString((dir / "u.kuf").string())});
    EXPECT_EQ(run.out,
              "Counter, +Counter2: Error in set_param14(): Type mismatch\n"
              "Timer event, +Timer1: action \"Gone\" names no defined action (sent as 255)\n");
    EXPECT_EQ(run.exitCode, 1);
}

// What would stop a send is a finding too.
TEST(CheckCommand, ReportsWhatStopsASend) {
    test::TempDir dir;
    test::WriteBytes(dir / "u.kuf", "-Unit\r\nId=0x10\r\n\r\n-Timer\r\n+Timer1\r\nTime=-1e400\r\n");
    const test::ProgramRun run = test::RunKorucfg({"check", QString::fromStdString((dir / "u.kuf").string())});
    EXPECT_EQ(run.out.substr(0, run.out.find("Timer, +Timer1: time")),
              "Unit, Id: \"0x10\" is not a decimal unit number from 0 to 4294967295\n"
              "Timer, +Timer1: Error in set_param8(): Overflow\n");
    EXPECT_EQ(run.exitCode, 1);
}

TEST(CheckCommand, ACleanUnitExits0) {
    test::TempDir dir;
    test::WriteBytes(dir / "u.kuf", "-Unit\r\nId=0000000042\r\nAlias=Pump house\r\n");
    const test::ProgramRun run = test::RunKorucfg({"check", QString::fromStdString((dir / "u.kuf").string())});
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(test::RunKorucfg({"check"}).exitCode, 2);
}

}  // namespace
}  // namespace koru
