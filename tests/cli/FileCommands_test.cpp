#include <gtest/gtest.h>

#include <string>

#include "model/UnitConfiguration.h"
#include "model/UnitFile.h"
#include "tests/support/Korucfg.h"
#include "tests/support/NonRegularFiles.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using test::PathArgument;

// A hand-edited unit: LF line ends, comments, tabs, blanks, an unknown section, a repeated section,
// "-" values and lists with blanks and empty pieces.
const std::string kHandEdited =
    "' unit 12 as the technician left it\n"
    "-Unit\n"
    "Id = 0000000012\n"
    "Alias=  Pump\thouse  \n"
    "Type=-\n"
    "\n"
    "-Radio\n"
    "Channel=12\n"
    "Broadcast=\n"
    "-Notes\n"
    "Channel=99\n"
    "-Network\n"
    "Lower units= 0000000002(B) ,, 0000000003(C),\n"
    "/* old upper unit\n"
    "Upper unit=-\n"
    "-Radio\n"
    "Gateway=0\n"
    "-Timer\n"
    "+Timer2\n"
    "\tTime=9\n"
    "Time=7\n"
    "Unit=s";

// Every command that loads files refuses a named pipe or a socket at once, as the first file (opened) or a
// later one (imported); a pipe nobody writes to once blocked the command for good.
TEST(EveryLoadingCommand, RefusesWhatIsNoRegularFile) {
    test::TempDir dir;
    test::WriteBytes(dir / "good.kuf", "-Unit\r\nId=0000000005\r\n");
    test::MakeFifo(dir / "pipe.kuf");
    const test::SocketFile socket(dir / "socket.kuf");
    const QString good = PathArgument(dir / "good.kuf");
    const std::pair<fs::path, std::string> specialFiles[] = {
        {dir / "pipe.kuf", "it is a named pipe, not a regular file"},
        {dir / "socket.kuf", "it is a socket, not a regular file"},
    };
    const QStringList commands[] = {
        {"normalize"}, {"check"}, {"encode"}, {"export", "--sections", "all"}, {"send", "--port", "/dev/null"},
    };
    for (const auto& [file, reason] : specialFiles) {
        for (const QStringList& command : commands) {
            for (const bool imported : {false, true}) {
                const QStringList loaded =
                    imported ? QStringList{good, PathArgument(file)} : QStringList{PathArgument(file)};
                SCOPED_TRACE((command + loaded).join(' ').toStdString());
                const test::ProgramRun run = test::RunKorucfg(command + loaded, 5000);
                EXPECT_EQ(run.exitCode, 2) << "(-1: still waiting after 5 s) " << run.err;
                EXPECT_EQ(run.out, "");
                EXPECT_EQ(run.err, file.string() + ":0: cannot read the file: " + reason + "\n");
            }
        }
    }
}

TEST(NormalizeCommand, HandEditedFileGivesTheSavedForm) {
    test::TempDir dir;
    test::WriteBytes(dir / "unit.kuf", kHandEdited);
    const test::ProgramRun run = test::RunKorucfg({"normalize", PathArgument(dir / "unit.kuf")});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    UnitConfiguration expected;
    expected.unit.id = "0000000012";
    expected.unit.alias = "Pumphouse";
    expected.radio.channel = "12";
    expected.radio.broadcast = BroadcastMode::None;
    expected.radio.gateway = GatewayMode::Off;
    expected.network.lowerUnits = {"0000000002(B)", "0000000003(C)"};
    expected.timers[1] = {"7", "s"};
    EXPECT_EQ(run.out, UnitFileText(expected));
    EXPECT_NE(run.out.find("\r\nChannel=12\r\n"), std::string::npos);
    EXPECT_NE(run.out.find("\r\nBroadcast=\r\n"), std::string::npos);
}

// Every file after the first is imported: a parameter file holding a Unit section must not redirect a
// send to another unit.
TEST(NormalizeCommand, FilesApplyInOrderAndLaterOnesKeepTheUnitsIdentity) {
    test::TempDir dir;
    test::WriteBytes(dir / "unit.kuf", "-Unit\r\nId=0000000005\r\nAlias=Five\r\n-Radio\r\nChannel=3\r\n");
    test::WriteBytes(dir / "radio.kpf", "-Unit\r\nId=0000000099\r\nAlias=Other\r\n-Radio\r\nChannel=44\r\n"
                                        "Retransmitt=10\r\n\r\n");
    const test::ProgramRun run =
        test::RunKorucfg({"normalize", PathArgument(dir / "unit.kuf"), PathArgument(dir / "radio.kpf")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Id=0000000005\r\nAlias=Five\r\n"), std::string::npos);
    EXPECT_NE(run.out.find("\r\nChannel=44\r\nProtocol=<KORU-Standard>\r\nRetransmitt=10\r\n"), std::string::npos);
}

TEST(NormalizeCommand, LoadFailureNamesFileAndLineAndPrintsNothing) {
    test::TempDir dir;
    test::WriteBytes(dir / "good.kuf", "-Radio\r\nChannel=3\r\n");
    test::WriteBytes(dir / "bad.kuf", "-Radio\r\nChannel=4\r\n-I/O event\r\n+Mask30\r\nOn=1\r\n");
    const test::ProgramRun run =
        test::RunKorucfg({"normalize", PathArgument(dir / "good.kuf"), PathArgument(dir / "bad.kuf")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind((dir / "bad.kuf").string() + ":5: ", 0), 0u) << run.err;
}

TEST(NormalizeCommand, UsageErrors) {
    struct Case {
        QStringList arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{"normalize"}, 2},
        {{"normalize", "--bogus", "x"}, 2},
        {{"normalize", "/nonexistent/unit.kuf"}, 2},
        {{"export", "/dev/null"}, 2},
        {{"export", "--sections", "radio,weather", "/dev/null"}, 2},
        {{"frobnicate"}, 2},
        {{}, 2},
        {{"--help"}, 0},
        {{"normalize", "--help"}, 0},
    };
    for (const Case& c : cases) {
        const test::ProgramRun run = test::RunKorucfg(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString() << "\n" << run.err;
    }
}

TEST(FileCommands, AWriteErrorOnStandardOutputIsAFailure) {
    test::TempDir dir;
    test::WriteBytes(dir / "unit.kuf", "-Radio\r\nChannel=3\r\n");
    for (const QString command : {"normalize", "export --sections all"}) {
        SCOPED_TRACE(command.toStdString());
        // Through the shell, for what QProcess cannot give korucfg: a standard output that is full.
        const test::ProgramRun run = test::RunProgram(
            "/bin/sh", {"-c", "exec \"$0\" " + command + " \"$1\" > /dev/full", KORU_BIN_DIR "/korucfg",
                        PathArgument(dir / "unit.kuf")});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "korucfg: cannot write to standard output: No space left on device\n");
    }
}

TEST(ExportCommand, ChosenSectionsInRowOrder) {
    test::TempDir dir;
    test::WriteBytes(dir / "unit.kuf", "-Unit\r\nId=0000000005\r\n-Counter action\r\nActions=Reset Counter 1\r\n");
    struct Case {
        const char* sections;
        std::string expected;
    };
    const Case cases[] = {
        {"counter-actions", "-Counter action\r\nActions=Reset Counter 1\r\n"},
        {"counter-actions,timer-actions",
         "-Timer action\r\nActions=\r\n\r\n-Counter action\r\nActions=Reset Counter 1\r\n"},
        {"counter", "-Counter\r\n+Counter1\r\nCounter=0\r\n+Counter2\r\nCounter=0\r\n+Counter3\r\nCounter=0\r\n"
                    "+Counter4\r\nCounter=0\r\n\r\n"},
    };
    for (const Case& c : cases) {
        const test::ProgramRun run =
            test::RunKorucfg({"export", "--sections", c.sections, PathArgument(dir / "unit.kuf")});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, c.expected) << c.sections;
    }
    const test::ProgramRun all = test::RunKorucfg({"export", "--sections", "all", PathArgument(dir / "unit.kuf")});
    ASSERT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.out.rfind("-Network\r\n", 0), 0u);
    EXPECT_NE(all.out.find("-Remote event\r\n"), std::string::npos);
    EXPECT_EQ(all.out.find("-Unit"), std::string::npos);
}

}  // namespace
}  // namespace koru
