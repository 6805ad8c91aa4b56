#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

struct CommandRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CommandRun korucfg(const QStringList& arguments, const fs::path& program = fs::path(KORU_BIN_DIR) / "korucfg") {
    QProcess process;
    process.start(QString::fromStdString(program.string()), arguments);
    CommandRun run;
    if (!process.waitForFinished(30000)) return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

void copyDefaultFiles(const fs::path& from, const fs::path& root) {
    fs::create_directories(root / "Default Files");
    for (const char* name : {"KORU Base.kdf", "KORU Starter-kit.kdf"}) {
        fs::copy_file(from / name, root / "Default Files" / name);
    }
}

std::string replaceAll(std::string text, const std::string& what, const std::string& with) {
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
    return text;
}

struct Step {
    QStringList arguments;  // "--library LIB" is added
    int exitCode;
    std::string out;        // LIB stands for the library folder
    std::string err;
};

TEST(LibraryCommandsTest, NewUnitsDeleteWorkTogetherOnOneLibrary) {
    koru::test::TempDir lib;
    copyDefaultFiles(fs::path(KORU_SOURCE_DIR) / "files" / "Default Files", lib.path());
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
        {{"new", "--id", "3", "--alias", "a/b", "--type", "KORU Base"}, 1, "",
         "korucfg: The alias \"a/b\" cannot be used in a file name: it holds \"/\", which separates folders.\n"},
        {{"new", "--id", "3", "--type", "KORU Mega"}, 1, "",
         "korucfg: There is no default file \"LIB/Default Files/KORU Mega.kdf\" for the type \"KORU Mega\".\n"},
        {{"delete", "0000000012(Pump)"}, 0, "", ""},
        {{"delete", "0000000012(Pump)"}, 1, "", "korucfg: There is no unit \"0000000012(Pump)\" in the library.\n"},
        {{"units"}, 0, "0000000007(0000000007)\n", ""},
        {{"new", "--id", "3"}, 2, "",
         "korucfg: new needs --id and --type, and takes no file names.\n"
         "Usage: korucfg new --id ID [--alias ALIAS] --type TYPE [--replace] [--library DIR]\n"},
        {{"delete"}, 2, "",
         "korucfg: delete needs one unit entry, such as \"0000000012(Pump)\".\n"
         "Usage: korucfg delete ENTRY [--library DIR]\n"},
        {{"units", "--bogus"}, 2, "", "korucfg: Unknown option 'bogus'.\nUsage: korucfg units [--library DIR]\n"},
    };
    const std::string root = lib.path().string();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments.join(' ').toStdString());
        const CommandRun run = korucfg(QStringList(step.arguments) << "--library" << QString::fromStdString(root));
        EXPECT_EQ(run.exitCode, step.exitCode);
        EXPECT_EQ(run.out, replaceAll(step.out, "LIB", root));
        EXPECT_EQ(run.err, replaceAll(step.err, "LIB", root));
    }
    const std::string starterKit = koru::test::ReadBytes(lib / "Units" / "0000000007(0000000007).kuf");
    const std::string head = "-Unit\r\nId=0000000007\r\nAlias=0000000007\r\nType=KORU Starter-kit\r\n\r\n-Network\r\n";
    EXPECT_EQ(starterKit.substr(0, head.size()), head);
    EXPECT_NE(starterKit.find("\r\nVoltage range=0-30\r\n"), std::string::npos);
}

TEST(LibraryCommandsTest, TheBuildPutsTheDefaultFilesBesideThePrograms) {
    const fs::path source = fs::path(KORU_SOURCE_DIR) / "files" / "Default Files";
    for (const char* name : {"KORU Base.kdf", "KORU Starter-kit.kdf"}) {
        SCOPED_TRACE(name);
        const fs::path built = fs::path(KORU_BIN_DIR) / "Default Files" / name;
        ASSERT_TRUE(fs::exists(built));
        EXPECT_EQ(koru::test::ReadBytes(built), koru::test::ReadBytes(source / name));
    }
}

TEST(LibraryCommandsTest, WithoutLibraryTheProgramsOwnFolderIsUsed) {
    koru::test::TempDir install;
    const fs::path bin = install / "bin";
    fs::create_directories(bin);
    fs::copy_file(fs::path(KORU_BIN_DIR) / "korucfg", bin / "korucfg");
    copyDefaultFiles(fs::path(KORU_BIN_DIR) / "Default Files", bin);

    const CommandRun created = korucfg({"new", "--id", "5", "--alias", "Pump", "--type", "KORU Base"}, bin / "korucfg");
    EXPECT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(created.out, (bin / "Units" / "0000000005(Pump).kuf").string() + "\n");
    EXPECT_TRUE(fs::exists(bin / "Units" / "0000000005(Pump).kuf"));

    const CommandRun listed = korucfg({"units"}, bin / "korucfg");
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.out, "0000000005(Pump)\n");
}

}  // namespace
