#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <ostream>
#include <thread>
#include <string>
#include <vector>

#include "model/UnitFile.h"
#include "model/UnitLibrary.h"
#include "model/UnitName.h"
#include "tests/support/TestLibrary.h"
#include "tests/support/TestSupport.h"

namespace koru {

void PrintTo(const UnitIdentity& unit, std::ostream* out) {
    *out << "{" << unit.id << ", " << unit.alias << ", " << unit.type << "}";
}

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const fs::path kShippedDefaultFiles = fs::path(KORU_SOURCE_DIR) / "files" / "Default Files";

// The open unit before New: settings in several sections, as a unit that was being edited.
UnitConfiguration editedUnit() {
    UnitConfiguration config;
    config.unit = {"0000000001", "Old", "KORU Starter-kit"};
    config.network.lowerUnits = {"0000000002(Tank)"};
    config.radio.channel = "42";
    config.timers[3].time = "250";
    config.input.voltageRange = VoltageRange::StarterKit;
    config.messageEvents.messages[19].text = "ALARM";
    config.counterActions = {"Reset Counter 1"};
    return config;
}

// A fresh configuration with this identity and voltage range: what a shipped default file gives.
UnitConfiguration freshUnit(const UnitIdentity& unit, VoltageRange range = VoltageRange::Base) {
    UnitConfiguration config;
    config.unit = unit;
    config.input.voltageRange = range;
    return config;
}

// A destination list: its two leading fixed entries, the unit entries, then "[General Broadcast]".
Names destinations(const char* first, const Names& units) {
    Names list{first, "[Upper unit]"};
    list.insert(list.end(), units.begin(), units.end());
    list.emplace_back("[General Broadcast]");
    return list;
}

class UnitLibraryTest : public ::testing::Test {
protected:
    void addUnitFile(const std::string& name, const std::string& bytes = "-Unit\r\n") const {
        files.addUnitFile(name, bytes);
    }
    // Empties the units folder and puts these unit files in it.
    void resetUnits(const Names& names) const {
        for (const auto& entry : fs::directory_iterator(library.unitsFolder())) fs::remove_all(entry.path());
        for (const std::string& name : names) addUnitFile(name);
    }
    // Every name in the units folder, files and folders alike, sorted.
    Names unitFolderNames() const { return files.unitFiles(); }

    test::TestLibrary files;
    const test::TempDir& dir = files.dir;
    UnitLibrary& library = files.library;
};

TEST_F(UnitLibraryTest, ListsHoldTheUnitEntriesBetweenTheFixedEntries) {
    for (const char* name : {"0000000002(Tank).kuf", "0000000001(St. Olav).kuf", "notes.kuf", "readme.txt",
                             ".0000000009(Half).kuf.tmp123", "0000000005(Upper).KUF"}) {
        addUnitFile(name);
    }
    fs::create_directory(library.unitsFolder() / "0000000003(Folder).kuf");
#if defined(_WIN32) || defined(__APPLE__)
    const Names units{"0000000001(St. Olav)", "0000000002(Tank)", "0000000005(Upper)", "notes"};
#else
    const Names units{"0000000001(St. Olav)", "0000000002(Tank)", "notes"};
#endif
    for (const bool missing : {false, true}) {
        SCOPED_TRACE(missing ? "missing units folder" : "unit files and others");
        if (missing) fs::remove_all(library.unitsFolder());
        const Names expected = missing ? Names{} : units;
        const UnitLists lists = library.RefreshUnitLists();
        EXPECT_EQ(lists.units, expected);
        EXPECT_EQ(lists.messageDestinations, destinations("[Serial port]", expected));
        EXPECT_EQ(lists.outputFlagDestinations, destinations("-", expected));
    }
}

TEST_F(UnitLibraryTest, DefaultFilesGiveTheTypesByNameWithoutExtension) {
    for (const char* name : {"KORU v1.2.kdf", "notes.txt", "Old.kdf.bak"}) {
        test::WriteBytes(library.defaultFilesFolder() / name, "-Unit\r\n");
    }
    EXPECT_EQ(library.ListDefaultFiles(), (Names{"KORU Base", "KORU Starter-kit", "KORU v1.2"}));
}

TEST_F(UnitLibraryTest, CreateFoldersMakesUnitsAndParameterFilesOnly) {
    test::TempDir fresh;
    EXPECT_TRUE(UnitLibrary(fresh.path()).CreateFolders().done());
    EXPECT_TRUE(fs::is_directory(fresh / "Units"));
    EXPECT_TRUE(fs::is_directory(fresh / "Parameter files"));
    EXPECT_FALSE(fs::exists(fresh / "Default Files"));

    test::WriteBytes(fresh / "blocked", "");
    const LibraryResult result = UnitLibrary(fresh / "blocked").CreateFolders();
    EXPECT_EQ(result.status, LibraryStatus::Failed);
    EXPECT_EQ(result.message.rfind("Cannot create the folder", 0), 0U) << result.message;
}

TEST_F(UnitLibraryTest, SavingLeavesOneFileForTheIdAndKeepsEveryOtherIdsFiles) {
    struct Case {
        const char* name;
        Names before;  // empty: no units folder at all
        std::string alias;
        Names after;
    };
    const Case cases[] = {
        {"the units folder is made again", {}, "Pump", {"0000000012(Pump).kuf"}},
        {"same name is written over", {"0000000012(Pump).kuf"}, "Pump", {"0000000012(Pump).kuf"}},
        {"new alias removes every old file of the id",
         {"0000000012(Old).kuf", "0000000012(Older).kuf", "0000000013(Old).kuf", "0000000120(Old).kuf"},
         "New",
         {"0000000012(New).kuf", "0000000013(Old).kuf", "0000000120(Old).kuf"}},
        {"names without a parenthesis and other files are kept",
         {"0000000012.kuf", "notes.kuf", "0000000012(Old).txt"},
         "St. Olav",
         {"0000000012(Old).txt", "0000000012(St. Olav).kuf", "0000000012.kuf", "notes.kuf"}},
#if defined(_WIN32) || defined(__APPLE__)
        {"letter case of the alias only", {"0000000012(Pump).kuf"}, "pump", {"0000000012(Pump).kuf"}},
#else
        {"letter case of the alias only", {"0000000012(Pump).kuf"}, "pump", {"0000000012(pump).kuf"}},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetUnits(c.before);
        if (c.before.empty()) fs::remove(library.unitsFolder());

        const UnitConfiguration config = freshUnit({"0000000012", c.alias, "KORU Base"});
        const LibraryResult result = library.SaveUnit(config);
        ASSERT_EQ(result.status, LibraryStatus::Done) << result.message;
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(unitFolderNames(), c.after);
        EXPECT_EQ(test::ReadBytes(result.file), UnitFileText(config));
    }
}

TEST_F(UnitLibraryTest, SavingAnUnsafeNameIsRefusedAndWritesNothing) {
    addUnitFile("0000000012(Old).kuf");
    EXPECT_EQ(library.SaveUnit(freshUnit({"", "Pump", "KORU Base"})).status, LibraryStatus::NotDone);  // none open
    EXPECT_EQ(library.SaveUnit(freshUnit({"12", "Pump", "KORU Base"})).message,
              "The unit ID \"12\" is not 10 digits, so it cannot name a unit file.");
    const UnitIdentity unsafe[] = {{"0000000012", "../Pump", ""}, {"../../0012", "Pump", ""}, {"12", "Pump", ""}};
    for (const UnitIdentity& unit : unsafe) {
        EXPECT_EQ(library.SaveUnit(freshUnit(unit)).status, LibraryStatus::Refused) << unit.id << unit.alias;
    }
    EXPECT_EQ(unitFolderNames(), Names{"0000000012(Old).kuf"});
}

TEST_F(UnitLibraryTest, PromptSaveAsksOnlyWhenAUnitIsOpen) {
    EXPECT_EQ(library.PromptSaveUnit(freshUnit({}), Consent::NotYet).status, LibraryStatus::NotDone);
    const UnitConfiguration open = freshUnit({"0000000012", "Pump", "KORU Base"});
    const LibraryResult asking = library.PromptSaveUnit(open, Consent::NotYet);
    EXPECT_EQ(asking.status, LibraryStatus::NeedsConfirmation);
    EXPECT_EQ(asking.question, (LibraryQuestion{"Do you want to save unit?", "Save unit..."}));
    EXPECT_EQ(unitFolderNames(), Names{});
    EXPECT_TRUE(library.PromptSaveUnit(open, Consent::Given).done());
    EXPECT_EQ(unitFolderNames(), Names{"0000000012(Pump).kuf"});
}

TEST_F(UnitLibraryTest, DeleteAsksAndRemovesOnlyThatUnitFile) {
    const Names all{"0000000012(St. Olav).kuf", "0000000013(Tank).kuf"};
    resetUnits(all);
    test::WriteBytes(dir / "outside.kuf", "-Unit\r\n");
    // Nothing chosen, an entry cut at its first ".", and one that steps out of the units folder: refused
    // before anything is asked.
    EXPECT_EQ(library.DeleteUnit("", Consent::Given).status, LibraryStatus::NotDone);
    EXPECT_EQ(library.DeleteUnit("0000000012(St", Consent::NotYet).status, LibraryStatus::Refused);
    EXPECT_EQ(library.DeleteUnit("../outside", Consent::NotYet).message,
              "There is no unit \"../outside\" in the library.");

    const LibraryResult asking = library.DeleteUnit("0000000012(St. Olav)", Consent::NotYet);
    EXPECT_EQ(asking.status, LibraryStatus::NeedsConfirmation);
    EXPECT_EQ(asking.question,
              (LibraryQuestion{"Are you sure that you want to delete 0000000012(St. Olav)?", "Delete unit..."}));
    EXPECT_EQ(unitFolderNames(), all);
    EXPECT_TRUE(library.DeleteUnit("0000000012(St. Olav)", Consent::Given).done());
    EXPECT_EQ(unitFolderNames(), Names{"0000000013(Tank).kuf"});
    EXPECT_TRUE(fs::exists(dir / "outside.kuf"));
}

TEST_F(UnitLibraryTest, OpenLoadsTheFileOrLeavesTheConfigurationAsItWas) {
    addUnitFile("0000000012(Pump).kuf", "-Unit\r\nId=0000000012\r\nAlias=Pump\r\n-Radio\r\nChannel=44\r\n");
    addUnitFile("0000000013(Bad).kuf", "-Radio\r\nChannel=55\r\n-Timer\r\n+TimerX\r\nTime=5\r\n");
    UnitConfiguration config = editedUnit();
    const LibraryResult bad = library.OpenUnit(library.unitsFolder() / "0000000013(Bad).kuf", config);
    EXPECT_EQ(bad.status, LibraryStatus::Failed);
    EXPECT_EQ(bad.message.rfind("Cannot open the unit: ", 0), 0U) << bad.message;
    EXPECT_NE(bad.message.find("0000000013(Bad).kuf:4: section \"Timer\""), std::string::npos) << bad.message;
    EXPECT_EQ(config, editedUnit());

    ASSERT_TRUE(library.OpenUnit(library.unitsFolder() / "0000000012(Pump).kuf", config).done());
    EXPECT_EQ(config.unit, (UnitIdentity{"0000000012", "Pump", "KORU Starter-kit"}));
    EXPECT_EQ(config.radio.channel, "44");
}

TEST_F(UnitLibraryTest, NewUnitsStartFromTheDefaultFileOfTheirType) {
    // Names that only look like ID 12 or 42 do not make New ask to replace a unit.
    for (const char* name : {"0000000012.kuf", "000000001(x).kuf", "0000000012(x).txt", "notes.kuf"}) {
        addUnitFile(name);
    }
    struct Case {
        std::string id;
        std::string alias;
        std::string fileName;
        UnitIdentity unit;
        VoltageRange range;
    };
    const Case cases[] = {
        {"12", "Pump", "0000000012(Pump).kuf", {"0000000012", "Pump", "KORU Base"}, VoltageRange::Base},
        {" 42 ", "", "0000000042(0000000042).kuf", {"0000000042", "0000000042", "KORU Base"}, VoltageRange::Base},
        {"7", "St. Olav", "0000000007(St. Olav).kuf", {"0000000007", "St. Olav", "KORU Starter-kit"},
         VoltageRange::StarterKit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        UnitConfiguration config = editedUnit();
        const LibraryResult result = library.NewUnit(c.id, c.alias, c.unit.type, config, Consent::NotYet);
        ASSERT_EQ(result.status, LibraryStatus::Done) << result.message;
        EXPECT_EQ(result.file, library.unitsFolder() / c.fileName);
        EXPECT_EQ(config, freshUnit(c.unit, c.range));
        EXPECT_EQ(test::ReadBytes(result.file), UnitFileText(config));
        // The shipped default file holds every setting, so nothing of the unit open before survives, and
        // "-" on its identity lines, so the ID, alias and type New set stay.
        EXPECT_EQ(test::ReadBytes(kShippedDefaultFiles / (c.unit.type + ".kdf")),
                  UnitFileText(freshUnit({"-", "-", "-"}, c.range)));
    }
}

TEST_F(UnitLibraryTest, NewRefusesBadInputAndChangesNothing) {
    struct Case {
        std::string id;
        std::string alias;
        std::string type;
        std::string message;
    };
    const Case cases[] = {
        {"", "Pump", "KORU Base", "The unit ID number is empty."},
        {"000000012.5", "Pump", "KORU Base", "The unit ID \"000000012.5\" is not a whole number of at most 10 digits."},
        {"4294967296", "Pump", "KORU Base",
         "The unit ID 4294967296 is above 4294967295, the highest unit number a unit can have."},
        {"12", "Pump", "", "No type of unit is chosen."},
        {"12", "Pump", "../Units/x",
         "The unit type \"../Units/x\" cannot name a default file: it holds \"/\", which separates folders."},
        {"12", "Pump/2", "KORU Base",
         "The alias \"Pump/2\" cannot be used in a file name: it holds \"/\", which separates folders."},
        {"12", "Pump", "KORU Mega",
         "There is no default file \"" + (library.defaultFilesFolder() / "KORU Mega.kdf").string() +
             "\" for the type \"KORU Mega\"."},
    };
    addUnitFile("0000000012(Old).kuf");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        UnitConfiguration config = editedUnit();
        const LibraryResult result = library.NewUnit(c.id, c.alias, c.type, config, Consent::NotYet);
        EXPECT_NE(result.status, LibraryStatus::Done);
        EXPECT_NE(result.status, LibraryStatus::NeedsConfirmation);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(config, editedUnit());
        EXPECT_EQ(unitFolderNames(), Names{"0000000012(Old).kuf"});
    }
}

TEST_F(UnitLibraryTest, NewReplacesAnExistingIdOnlyWhenTheUserAgrees) {
    for (const Consent consent : {Consent::NotYet, Consent::Given}) {
        const bool given = consent == Consent::Given;
        SCOPED_TRACE(given ? "consent replaces it even with another alias" : "without consent it asks first");
        resetUnits({"0000000012(Old).kuf", "0000000013(Old).kuf", "notes.kuf"});
        UnitConfiguration config = editedUnit();
        const LibraryResult result = library.NewUnit("12", "New", "KORU Base", config, consent);
        EXPECT_EQ(result.status, given ? LibraryStatus::Done : LibraryStatus::NeedsConfirmation) << result.message;
        if (!given) {
            EXPECT_EQ(result.question,
                      (LibraryQuestion{"That ID number already exists,\r\ndo you want to replace it?", "ID already exist"}));
        }
        EXPECT_EQ(unitFolderNames(), (Names{given ? "0000000012(New).kuf" : "0000000012(Old).kuf",
                                            "0000000013(Old).kuf", "notes.kuf"}));
        EXPECT_EQ(config.unit.alias, given ? "New" : "Old");
    }
}

// A default file made from a unit file names a unit of its own; New must still create the unit asked for
// and never overwrite that other unit without being asked.
TEST_F(UnitLibraryTest, DefaultFilesNeverGiveTheNewUnitAnotherIdentity) {
    struct Case {
        const char* name;
        std::string bytes;
        bool created;
    };
    const Case cases[] = {
        {"dashes", "-Unit\r\nId=-\r\nAlias=-\r\nType=-\r\n-Radio\r\nChannel=5\r\n", true},
        {"a template saved from unit 12",
         "-Unit\r\nId=0000000012\r\nAlias=Pump\r\nType=KORU Base\r\n-Radio\r\nChannel=5\r\n", true},
        {"an alias no file name can hold", "-Unit\r\nAlias=a/b\r\n-Radio\r\nChannel=5\r\n", true},
        {"a broken file writes nothing", "-Radio\r\nChannel=5\r\n-Timer\r\n+TimerX\r\nTime=1\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetUnits({});
        addUnitFile("0000000012(Pump).kuf", "unit twelve");
        test::WriteBytes(library.defaultFilesFolder() / "Pump template.kdf", c.bytes);
        UnitConfiguration config = editedUnit();
        const LibraryResult result = library.NewUnit("55", "Valve", "Pump template", config, Consent::NotYet);
        EXPECT_EQ(test::ReadBytes(library.unitsFolder() / "0000000012(Pump).kuf"), "unit twelve");
        if (c.created) {
            ASSERT_EQ(result.status, LibraryStatus::Done) << result.message;
            EXPECT_EQ(config.unit, (UnitIdentity{"0000000055", "Valve", "Pump template"}));
            EXPECT_EQ(config.radio.channel, "5");
            EXPECT_EQ(unitFolderNames(), (Names{"0000000012(Pump).kuf", "0000000055(Valve).kuf"}));
        } else {
            EXPECT_EQ(result.status, LibraryStatus::Failed);
            EXPECT_NE(result.message.find("Pump template.kdf:4: "), std::string::npos) << result.message;
            EXPECT_EQ(config, editedUnit());
            EXPECT_EQ(unitFolderNames(), Names{"0000000012(Pump).kuf"});
        }
    }
}

// The entry read back from a file name is the alias inside the file: "0000000007(P\xFCmp)" in every list,
// whatever encoding the file system uses for the name.
TEST_F(UnitLibraryTest, NamesAreWindows1252TextAndUtf8OnDisk) {
    const UnitConfiguration pump = freshUnit({"0000000007", "P\xFCmp \xD8st", "KORU Base"});
    const LibraryResult saved = library.SaveUnit(pump);
    ASSERT_TRUE(saved.done()) << saved.message;
    EXPECT_EQ(unitFolderNames(), Names{"0000000007(P\xC3\xBCmp \xC3\x98st).kuf"});
    EXPECT_NE(test::ReadBytes(saved.file).find("\r\nAlias=P\xFCmp \xD8st\r\n"), std::string::npos);

    // Names that are no unit of ours: not UTF-8, a character Windows-1252 cannot hold, control characters.
    for (const char* name : {"0000000008(P\xFCmp).kuf", "0000000009(\xC5\x81\xC3\xB3" "d\xC5\xBA).kuf",
                             "0000000010(a\x01b).kuf", "0000000011(tab\there).kuf"}) {
        addUnitFile(name);
    }
    EXPECT_EQ(library.RefreshUnitLists().units, Names{"0000000007(P\xFCmp \xD8st)"});
    EXPECT_TRUE(library.UnitIdExists("0000000007"));
    EXPECT_FALSE(library.UnitIdExists("0000000008"));

    // A new alias for unit 7 removes its old file, found through the converted name.
    ASSERT_TRUE(library.SaveUnit(freshUnit({"0000000007", "\x80uro", "KORU Base"})).done());
    EXPECT_EQ(library.RefreshUnitLists().units, Names{"0000000007(\x80uro)"});

    EXPECT_TRUE(library.DeleteUnit("0000000007(\x80uro)", Consent::Given).done());
    EXPECT_EQ(library.RefreshUnitLists().units, Names{});
    EXPECT_EQ(unitFolderNames().size(), 4U);

    test::WriteBytes(library.defaultFilesFolder() / "KORU M\xC3\xBCller.kdf", "-Radio\r\nChannel=9\r\n");
    EXPECT_EQ(library.ListDefaultFiles(), (Names{"KORU Base", "KORU M\xFCller", "KORU Starter-kit"}));
    UnitConfiguration config;
    ASSERT_TRUE(library.NewUnit("20", "", "KORU M\xFCller", config, Consent::NotYet).done());
    EXPECT_EQ(config.unit.type, "KORU M\xFCller");
    EXPECT_EQ(config.radio.channel, "9");
}

// A save killed between writing its temporary file and moving it into place leaves the temporary file;
// start-up removes it and nothing else.
TEST_F(UnitLibraryTest, StartUpRemovesWhatKilledSavesLeft) {
    const Names kept{".hidden.kuf", ".notes.txt.tmp123456", "0000000012(Pump).kuf", "0000000012(Pump).kuf.tmp123456",
                     "notes.kuf.tmp"};
    resetUnits(kept);
    for (const char* left : {".0000000012(Pump).kuf.tmp123456", ".0000000013(P\xC3\xBCmp).kuf.tmp000001"}) {
        addUnitFile(left);
    }
    ASSERT_TRUE(library.CreateFolders().done());
    EXPECT_EQ(unitFolderNames(), kept);
}

TEST_F(UnitLibraryTest, SaysWhyTheUnitsCannotBeListed) {
    EXPECT_EQ(library.UnitsFolderProblem(), std::nullopt);
    fs::remove_all(library.unitsFolder());
    EXPECT_EQ(library.UnitsFolderProblem(), std::nullopt) << "a library without units yet";
    EXPECT_EQ(UnitLibrary(dir / "missing").UnitsFolderProblem(),
              "The library folder \"" + (dir / "missing").string() + "\" does not exist.");
    test::WriteBytes(dir / "file", "");
    EXPECT_EQ(UnitLibrary(dir / "file").UnitsFolderProblem(),
              "The library folder \"" + (dir / "file").string() + "\" is not a folder.");
}

// Two programs saving units of one ID at once: each save writes its file and tidies the others of that
// ID away. Without the folder's lock two saves could each delete the other's new file.
TEST_F(UnitLibraryTest, ConcurrentSavesOfOneIdLeaveExactlyOneFile) {
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        resetUnits({});
        std::vector<std::thread> savers;
        std::atomic<int> failures{0};
        for (int i = 0; i < 4; ++i) {
            savers.emplace_back([&, i] {
                for (int j = 0; j < 5; ++j) {
                    const std::string alias = "Saver " + std::to_string(i) + "." + std::to_string(j);
                    if (!library.SaveUnit(freshUnit({"0000000012", alias, "KORU Base"})).done()) ++failures;
                }
            });
        }
        for (std::thread& saver : savers) saver.join();
        EXPECT_EQ(failures, 0);
        EXPECT_EQ(unitFolderNames().size(), 1U);
    }
}

TEST_F(UnitLibraryTest, FailedSaveKeepsTheOpenUnitAndDeletesNothing) {
    addUnitFile("0000000012(Old).kuf", "old bytes");
    fs::create_directories(library.unitsFolder() / "0000000012(New).kuf" / "inside");
    UnitConfiguration config = editedUnit();
    const LibraryResult result = library.NewUnit("12", "New", "KORU Base", config, Consent::Given);
    EXPECT_EQ(result.status, LibraryStatus::Failed);
    EXPECT_EQ(result.message.rfind("Cannot save the unit: ", 0), 0U) << result.message;
    EXPECT_NE(result.message.find("0000000012(New).kuf"), std::string::npos) << result.message;
    EXPECT_EQ(config, editedUnit());
    EXPECT_EQ(unitFolderNames(), (Names{"0000000012(New).kuf", "0000000012(Old).kuf"}));
    EXPECT_EQ(test::ReadBytes(library.unitsFolder() / "0000000012(Old).kuf"), "old bytes");
}

}  // namespace
}  // namespace koru
