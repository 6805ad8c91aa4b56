#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/LibraryLocation.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;

// A machine in a temporary folder: the program in usr/bin with the default files installed under
// usr/share, the user's library folder, and another folder --library may name.
struct Machine {
    test::TempDir dir;
    fs::path program = dir / "usr/bin";
    fs::path installed = dir / "usr/share/koru-configurator/Default Files";
    fs::path user = dir / "home/.local/share/KORU Configurator";
    fs::path other = dir / "elsewhere";

    Machine() {
        fs::create_directories(program);
        fs::create_directories(installed);
    }
    // The folder a case names by its letter: P program, U user, O other, I installed default files.
    fs::path folder(char name) const {
        switch (name) {
        case 'P': return program;
        case 'U': return user;
        case 'O': return other;
        default: return installed;
        }
    }
};

QString text(const fs::path& path) { return QString::fromStdString(path.string()); }

struct LocationCase {
    const char* name;
    const char* withDefaultFiles;  // the folders (by letter) that hold a "Default Files" folder
    bool libraryOption;            // --library names the other folder
    char root;
    char defaultFilesFrom;  // 'I': the installed ones; else that folder's "Default Files"
};

class LocateLibraryTest : public ::testing::TestWithParam<LocationCase> {};

TEST_P(LocateLibraryTest, ChoosesTheFolders) {
    const LocationCase& tested = GetParam();
    Machine machine;
    for (const char* name = tested.withDefaultFiles; *name; ++name) {
        fs::create_directories(machine.folder(*name) / "Default Files");
    }
    const UnitLibrary library = LocateLibrary(tested.libraryOption ? text(machine.other) : QString(),
                                              text(machine.program), text(machine.user));
    EXPECT_EQ(library.root(), machine.folder(tested.root));
    const fs::path defaultFiles = tested.defaultFilesFrom == 'I'
                                      ? machine.installed
                                      : machine.folder(tested.defaultFilesFrom) / "Default Files";
    EXPECT_EQ(library.defaultFilesFolder(), defaultFiles);
    EXPECT_EQ(library.unitsFolder(), machine.folder(tested.root) / "Units");
    EXPECT_EQ(library.parameterFilesFolder(), machine.folder(tested.root) / "Parameter files");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LocateLibraryTest,
    ::testing::Values(
        // Beside the program: a build folder or an unpacked portable copy keeps everything together.
        LocationCase{"PortableKeepsEverythingBesideTheProgram", "P", false, 'P', 'P'},
        LocationCase{"PortableIgnoresTheUserFolder", "PU", false, 'P', 'P'},
        // Installed: the user's folder, with the installed default files unless the user has own ones.
        LocationCase{"InstalledUsesTheUserFolder", "", false, 'U', 'I'},
        LocationCase{"InstalledPrefersTheUsersDefaultFiles", "U", false, 'U', 'U'},
        // --library wins, and falls back to the program's default files when it has none.
        LocationCase{"LibraryOptionWithItsOwnDefaultFiles", "OP", true, 'O', 'O'},
        LocationCase{"LibraryOptionBesidePortableProgram", "P", true, 'O', 'P'},
        LocationCase{"LibraryOptionWithInstalledProgram", "U", true, 'O', 'I'}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(LocateLibrary, DefaultFilesThatAreAFileDoNotMakeTheProgramPortable) {
    Machine machine;
    test::WriteBytes(machine.program / "Default Files", "not a folder");
    const UnitLibrary library = LocateLibrary({}, text(machine.program), text(machine.user));
    EXPECT_EQ(library.root(), machine.user);
    EXPECT_EQ(library.defaultFilesFolder(), machine.installed);
}

TEST(LocateLibrary, CreatesNothing) {
    Machine machine;
    LocateLibrary({}, text(machine.program), text(machine.user));
    EXPECT_FALSE(fs::exists(machine.user));
    EXPECT_TRUE(fs::is_empty(machine.program));
}

TEST(LocateLibrary, TheTestProgramRunsPortableFromTheBuildFolder) {
    const UnitLibrary library = LocateLibrary({});
    EXPECT_EQ(fs::canonical(library.root()), fs::canonical(KORU_BIN_DIR));
    EXPECT_EQ(fs::canonical(library.defaultFilesFolder()), fs::canonical(fs::path(KORU_BIN_DIR) / "Default Files"));
}

// Sets an environment variable for one scope and restores it afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, std::optional<QByteArray> value)
        : name_(name), old_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        set(value);
    }
    ~ScopedEnvironment() { set(old_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void set(const std::optional<QByteArray>& value) {
        if (value) {
            qputenv(name_, *value);
        } else {
            qunsetenv(name_);
        }
    }
    const char* name_;
    std::optional<QByteArray> old_;
};

TEST(UserLibraryFolder, IsKoruConfiguratorInTheUsersDataFolder) {
    test::TempDir home;
    const ScopedEnvironment homeVariable("HOME", QByteArray::fromStdString(home.path().string()));
    {
        const ScopedEnvironment dataHome("XDG_DATA_HOME", std::nullopt);
        EXPECT_EQ(UserLibraryFolder(), text(home / ".local/share/KORU Configurator"));
    }
    const ScopedEnvironment dataHome("XDG_DATA_HOME", QByteArray::fromStdString((home / "data").string()));
    EXPECT_EQ(UserLibraryFolder(), text(home / "data/KORU Configurator"));
}

}  // namespace
}  // namespace koru
