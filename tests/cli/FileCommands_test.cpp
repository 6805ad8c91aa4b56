#include <gtest/gtest.h>

#include <string>

#include "model/UnitConfiguration.h"
#include "model/UnitFile.h"
#include "tests/support/Korucfg.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

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

// Runs korucfg through the shell, for what QProcess cannot give it: a redirected standard output.
test::ProgramRun RunThroughShell(const QString& script, const QStringList& arguments) {
    return test::RunProgram("/bin/sh", QStringList{"-c", script, KORU_BIN_DIR "/korucfg"} + arguments);
}

TEST(NormalizeCommand, RefusesWhatIsNoUnitFileWithTheReason) {
    test::TempDir dir;
    test::WriteBytes(dir / "cr-only.kuf", "-Unit\rId=0000000005\r-Radio\rChannel=3\r");
    test::WriteBytes(dir / "utf-16.kuf", std::string("\xFF\xFE-\0R\0a\0d\0i\0o\0\r\0\n\0", 16));
    test::WriteBytes(dir / "random.kuf", std::string("\x8F\x13\xE2\x00\x7F\xC4\x01\xFF\x9A\r\n\x44\x0B", 13));
    const std::string notAUnitFile = "no line is a known section heading such as \"-Unit\" or \"-Radio\", so this is "
                                     "not a unit, default or parameter file";
    struct Case {
        std::string file;
        std::string error;
    };
    const Case cases[] = {
        {"/dev/zero", "/dev/zero:0: the file is larger than 8 MiB, which no unit, default or parameter file is"},
        {(dir / "missing.kuf").string(), ":0: cannot read the file: No such file or directory"},
        {dir.path().string(), ":0: cannot read the file: Is a directory"},
        {(dir / "cr-only.kuf").string(),
         ":1: " + notAUnitFile + " (its lines end with CR alone; unit file lines end with CR LF)"},
        {(dir / "utf-16.kuf").string(),
         ":1: " + notAUnitFile + " (it looks like UTF-16 text; unit files are 8-bit text)"},
        {(dir / "random.kuf").string(), ":1: " + notAUnitFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const test::ProgramRun run = test::RunKorucfg({"normalize", QString::fromStdString(c.file)});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        const std::string expected = c.error.starts_with(":") ? c.file + c.error : c.error;
        EXPECT_EQ(run.err, expected + "\n");
    }
}

TEST(NormalizeCommand, ReadsUtf8WithAByteOrderMarkAsWindows1252) {
    test::TempDir dir;
    test::WriteBytes(dir / "utf8.kuf", "\xEF\xBB\xBF-Unit\r\nId=0000000007\r\nAlias=P\xC3\xBCmp\r\n");
    const test::ProgramRun run = test::RunKorucfg({"normalize", PathArgument(dir / "utf8.kuf")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("-Unit\r\nId=0000000007\r\nAlias=P\xFCmp\r\n", 0), 0U);
}

TEST(NormalizeCommand, NormalizingTwiceGivesTheSameBytes) {
    test::TempDir dir;
    test::WriteBytes(dir / "lists.kuf", "-Network\nLower units= x, ,y\nRemotes=,a, \n-Timer action\nActions= ,b\n");
    const test::ProgramRun first = test::RunKorucfg({"normalize", PathArgument(dir / "lists.kuf")});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find("\r\nLower units=x, ,y\r\n"), std::string::npos);
    test::WriteBytes(dir / "normalized.kuf", first.out);
    const test::ProgramRun second = test::RunKorucfg({"normalize", PathArgument(dir / "normalized.kuf")});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, first.out);
}

TEST(FileCommands, AWriteErrorOnStandardOutputIsAFailure) {
    test::TempDir dir;
    test::WriteBytes(dir / "unit.kuf", "-Radio\r\nChannel=3\r\n");
    for (const QString command : {"normalize", "export --sections all"}) {
        SCOPED_TRACE(command.toStdString());
        const test::ProgramRun run =
            RunThroughShell("exec \"$0\" " + command + " \"$1\" > /dev/full", {PathArgument(dir / "unit.kuf")});
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
