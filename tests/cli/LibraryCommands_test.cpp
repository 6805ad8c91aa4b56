#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/Korucfg.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

using test::PathArgument;

namespace fs = std::filesystem;

// Puts the default files the build placed beside korucfg into `root`, after checking they are the shipped ones.
void copyBuiltDefaultFiles(const fs::path& root) {
    const fs::path built = fs::path(KORU_BIN_DIR) / "Default Files";
    fs::create_directories(root / "Default Files");
    for (const char* name : {"KORU Base.kdf", "KORU Starter-kit.kdf"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::exists(built / name));
        EXPECT_EQ(test::ReadBytes(built / name),
                  test::ReadBytes(fs::path(KORU_SOURCE_DIR) / "files" / "Default Files" / name));
        fs::copy_file(built / name, root / "Default Files" / name);
    }
}

struct Step {
    QStringList arguments;  // "--library LIB" is added
    int exitCode;
    std::string out;  // LIB stands for the library folder
    std::string err;
};

TEST(LibraryCommandsTest, NewUnitsDeleteWorkTogetherOnOneLibrary) {
    test::TempDir lib;
    copyBuiltDefaultFiles(lib.path());
    fs::create_directories(lib / "Units");
    test::WriteBytes(lib / "Units" / ".0000000012(Pump).kuf.tmp123456", "left by a killed save");
    const std::vector<Step> steps = {
        {{"units"}, 0, "", ""},
        {{"new", "--id", "12", "--alias", "St. Olav", "--type", "KORU Base"}, 0, "LIB/Units/0000000012(St. Olav).kuf\n",
         ""},
        {{"new", "--id", "12", "--alias", "Pump", "--type", "KORU Base"}, 1, "",
         "korucfg: The unit ID 0000000012 already exists; give --replace to replace it.\n"},
        {{"new", "--id", "0000000012", "--alias", "Pump", "--type", "KORU Base", "--replace"}, 0,
         "LIB/Units/0000000012(Pump).kuf\n", ""},
        {{"new", "--id", "7", "--type", "KORU Starter-kit"}, 0, "LIB/Units/0000000007(0000000007).kuf\n", ""},
        {{"units"}, 0, "0000000007(0000000007)\n0000000012(Pump)\n", ""},
        {{"new", "--id", "000000012.5", "--type", "KORU Base"}, 1, "",
         "korucfg: The unit ID \"000000012.5\" is not a whole number of at most 10 digits.\n"},
        {{"delete", "0000000012(Pump)"}, 0, "", ""},
        {{"delete", "0000000012(Pump)"}, 1, "", "korucfg: There is no unit \"0000000012(Pump)\" in the library.\n"},
        {{"units"}, 0, "0000000007(0000000007)\n", ""},
        {{"new", "--id", "3"}, 2, "",
         "korucfg: new needs --id and --type, and takes no file names.\n"
         "Usage: korucfg new --id ID [--alias ALIAS] --type TYPE [--replace] [--library DIR]\n"},
        {{"units", "--bogus"}, 2, "", "korucfg: Unknown option 'bogus'.\nUsage: korucfg units [--library DIR]\n"},
    };
    const QString root = PathArgument(lib.path());
    const auto inLibrary = [&root](const std::string& text) {
        return QString::fromStdString(text).replace("LIB", root).toStdString();
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments.join(' ').toStdString());
        const test::ProgramRun run = test::RunKorucfg(QStringList(step.arguments) << "--library" << root);
        EXPECT_EQ(run.exitCode, step.exitCode);
        EXPECT_EQ(run.out, inLibrary(step.out));
        EXPECT_EQ(run.err, inLibrary(step.err));
    }
    EXPECT_FALSE(fs::exists(lib / "Units" / ".0000000012(Pump).kuf.tmp123456"));
}

// Letters beyond ASCII are typed in the terminal's UTF-8, stored as Windows-1252 in the unit file (as the
// unit receives them), named in UTF-8 on disk and listed readably again.
TEST(LibraryCommandsTest, UnitNamesKeepTheirLettersFromCommandLineToFileAndBack) {
    test::TempDir lib;
    copyBuiltDefaultFiles(lib.path());
    const QStringList library{"--library", PathArgument(lib.path())};
    const fs::path file = lib / "Units" / "0000000007(P\xC3\xBCmp \xC3\x98st).kuf";

    const test::ProgramRun created =
        test::RunKorucfg(QStringList{"new", "--id", "7", "--alias", "Pümp Øst", "--type", "KORU Base"} + library);
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(created.out, file.string() + "\n");
    EXPECT_NE(test::ReadBytes(file).find("\r\nAlias=P\xFCmp \xD8st\r\n"), std::string::npos);

    const test::ProgramRun listed = test::RunKorucfg(QStringList{"units"} + library);
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.out, "0000000007(P\xC3\xBCmp \xC3\x98st)\n");

    const test::ProgramRun deleted = test::RunKorucfg(QStringList{"delete", "0000000007(Pümp Øst)"} + library);
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_FALSE(fs::exists(file));
}

// A text Windows-1252 cannot hold is refused with the reason, never stored as "?" or a replacement
// character that the unit would then receive.
TEST(LibraryCommandsTest, TextsAUnitCannotHoldAreRefused) {
    test::TempDir lib;
    copyBuiltDefaultFiles(lib.path());
    const QString root = PathArgument(lib.path());
    struct Case {
        const char* name;
        QStringList arguments;
        int exitCode;
        std::string err;
    };
    const std::string notInTheSet = "is not in the Windows-1252 character set, which unit files and units use.\n";
    const Case cases[] = {
        {"a letter outside the set",
         {"new", "--id", "8", "--alias", "Łódź", "--type", "KORU Base", "--library", root},
         1,
         "korucfg: the alias \"Łódź\" cannot be used: the character \"Ł\" (U+0141) " + notInTheSet},
        {"a type outside the set", {"new", "--id", "8", "--type", "KORU ☃", "--library", root}, 1,
         "korucfg: the type \"KORU ☃\" cannot be used: the character \"☃\" (U+2603) " + notInTheSet},
        {"an entry outside the set", {"delete", "0000000008(Łódź)", "--library", root}, 1,
         "korucfg: the unit entry \"0000000008(Łódź)\" cannot be used: the character \"Ł\" (U+0141) " +
             notInTheSet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::ProgramRun run = test::RunKorucfg(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }

    // The raw Windows-1252 byte 0xFC is no UTF-8 text; it once became a replacement character.
    const test::ProgramRun raw = test::RunProgram(
        "/bin/sh", {"-c", "exec \"$0\" new --id 9 --alias \"$(printf 'P\\374mp')\" --type 'KORU Base' --library \"$1\"",
                    KORU_BIN_DIR "/korucfg", root});
    EXPECT_EQ(raw.exitCode, 2);
    EXPECT_EQ(raw.err, "korucfg: argument 5 is not valid text in the locale's character encoding; give it in that "
                       "encoding.\n");
    EXPECT_FALSE(fs::exists(lib / "Units"));
}

TEST(LibraryCommandsTest, UnitsOfAMissingLibraryIsAnError) {
    const test::ProgramRun run = test::RunKorucfg({"units", "--library", "/nonexistent/library"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "korucfg: The library folder \"/nonexistent/library\" does not exist.\n");
}

// Many programs replacing one ID at once: every save tidies the other files of the ID away, and without
// the lock on the units folder some of them deleted each other's new files. A sanitizer build starts its
// programs several times slower, so it runs fewer of them.
TEST(LibraryCommandsTest, ConcurrentReplacementsOfOneIdLeaveExactlyOneFile) {
#ifdef __SANITIZE_ADDRESS__
    constexpr int kRuns = 40;
#else
    constexpr int kRuns = 150;
#endif
    test::TempDir lib;
    copyBuiltDefaultFiles(lib.path());
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < kRuns; ++i) {
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->start(KORU_BIN_DIR "/korucfg",
                           {"new", "--id", "12", "--alias", QString("Pump %1").arg(i), "--type", "KORU Base",
                            "--replace", "--library", PathArgument(lib.path())});
    }
    int succeeded = 0;
    for (const auto& run : runs) {
        run->waitForFinished(120000);
        if (run->exitStatus() == QProcess::NormalExit && run->exitCode() == 0) ++succeeded;
    }
    EXPECT_EQ(succeeded, kRuns);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(lib / "Units")) names.push_back(entry.path().filename().string());
    ASSERT_EQ(names.size(), 1U);
    EXPECT_EQ(names[0].rfind("0000000012(Pump ", 0), 0U);
}

TEST(LibraryCommandsTest, WithoutLibraryTheProgramsOwnFolderIsUsed) {
    test::TempDir install;
    const fs::path bin = install / "bin";
    fs::create_directories(bin);
    fs::copy_file(fs::path(KORU_BIN_DIR) / "korucfg", bin / "korucfg");
    copyBuiltDefaultFiles(bin);
    const std::string program = (bin / "korucfg").string();

    const test::ProgramRun created =
        test::RunProgram(program, {"new", "--id", "5", "--alias", "Pump", "--type", "KORU Base"});
    EXPECT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(created.out, (bin / "Units" / "0000000005(Pump).kuf").string() + "\n");

    const test::ProgramRun listed = test::RunProgram(program, {"units"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.out, "0000000005(Pump)\n");
}

}  // namespace
}  // namespace koru
