#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/Korucfg.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

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
    const QString root = QString::fromStdString(lib.path().string());
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
