#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/UnitFile.h"
#include "model/UnitLibrary.h"
#include "model/UnitName.h"
#include "tests/support/ScriptedQuestions.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using test::ScriptedQuestions;
using Names = std::vector<std::string>;
using Question = ScriptedQuestions::Question;

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

// A library in a temporary folder with its folders made and the shipped default files in place.
class UnitLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.CreateFolders().done());
        fs::create_directories(library.defaultFilesFolder());
        for (const char* name : {"KORU Base.kdf", "KORU Starter-kit.kdf"}) {
            fs::copy_file(kShippedDefaultFiles / name, library.defaultFilesFolder() / name);
        }
    }

    void addUnitFile(const std::string& name, const std::string& bytes = "-Unit\r\n") const {
        test::WriteBytes(library.unitsFolder() / name, bytes);
    }

    // Empties the units folder and puts these unit files in it.
    void resetUnits(const Names& names) const {
        for (const auto& entry : fs::directory_iterator(library.unitsFolder())) fs::remove_all(entry.path());
        for (const std::string& name : names) addUnitFile(name);
    }

    // Every name in the units folder, files and folders alike, sorted.
    Names unitFolderNames() const {
        Names names;
        for (const auto& entry : fs::directory_iterator(library.unitsFolder())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir;
    UnitLibrary library{dir.path()};
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
    ScriptedQuestions questions({false, true});
    EXPECT_EQ(library.PromptSaveUnit(freshUnit({}), questions).status, LibraryStatus::NotDone);
    EXPECT_TRUE(questions.asked.empty());
    const UnitConfiguration open = freshUnit({"0000000012", "Pump", "KORU Base"});
    EXPECT_EQ(library.PromptSaveUnit(open, questions).status, LibraryStatus::NotDone);
    EXPECT_EQ(unitFolderNames(), Names{});
    EXPECT_TRUE(library.PromptSaveUnit(open, questions).done());
    EXPECT_EQ(unitFolderNames(), Names{"0000000012(Pump).kuf"});
    const Question save{"Do you want to save unit?", "Save unit..."};
    EXPECT_EQ(questions.asked, (std::vector{save, save}));
}

TEST_F(UnitLibraryTest, DeleteAsksAndRemovesOnlyThatUnitFile) {
    const Names all{"0000000012(St. Olav).kuf", "0000000013(Tank).kuf"};
    resetUnits(all);
    test::WriteBytes(dir / "outside.kuf", "-Unit\r\n");
    ScriptedQuestions questions({false, true});
    // Nothing chosen, an entry cut at its first ".", and one that steps out of the units folder.
    EXPECT_EQ(library.DeleteUnit("", questions).status, LibraryStatus::NotDone);
    EXPECT_EQ(library.DeleteUnit("0000000012(St", questions).status, LibraryStatus::Refused);
    EXPECT_EQ(library.DeleteUnit("../outside", questions).message, "There is no unit \"../outside\" in the library.");
    EXPECT_TRUE(questions.asked.empty());

    EXPECT_EQ(library.DeleteUnit("0000000012(St. Olav)", questions).status, LibraryStatus::NotDone);
    EXPECT_EQ(unitFolderNames(), all);
    EXPECT_TRUE(library.DeleteUnit("0000000012(St. Olav)", questions).done());
    EXPECT_EQ(unitFolderNames(), Names{"0000000013(Tank).kuf"});
    const Question sure{"Are you sure that you want to delete 0000000012(St. Olav)?", "Delete unit..."};
    EXPECT_EQ(questions.asked, (std::vector{sure, sure}));
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
        ScriptedQuestions questions;
        const LibraryResult result = library.NewUnit(c.id, c.alias, c.unit.type, config, questions);
        ASSERT_EQ(result.status, LibraryStatus::Done) << result.message;
        EXPECT_TRUE(questions.asked.empty());
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
        ScriptedQuestions questions({true});
        const LibraryResult result = library.NewUnit(c.id, c.alias, c.type, config, questions);
        EXPECT_NE(result.status, LibraryStatus::Done);
        EXPECT_EQ(result.message, c.message);
        EXPECT_TRUE(questions.asked.empty());
        EXPECT_EQ(config, editedUnit());
        EXPECT_EQ(unitFolderNames(), Names{"0000000012(Old).kuf"});
    }
}

TEST_F(UnitLibraryTest, NewReplacesAnExistingIdOnlyWhenTheUserAgrees) {
    for (const bool answer : {false, true}) {
        SCOPED_TRACE(answer ? "yes replaces it even with another alias" : "no keeps the old unit");
        resetUnits({"0000000012(Old).kuf", "0000000013(Old).kuf", "notes.kuf"});
        UnitConfiguration config = editedUnit();
        ScriptedQuestions questions({answer});
        const LibraryResult result = library.NewUnit("12", "New", "KORU Base", config, questions);
        EXPECT_EQ(result.status, answer ? LibraryStatus::Done : LibraryStatus::NotDone) << result.message;
        EXPECT_EQ(questions.asked, (std::vector<Question>{{"That ID number already exists,\r\ndo you want to replace it?",
                                                           "ID already exist"}}));
        EXPECT_EQ(unitFolderNames(), (Names{answer ? "0000000012(New).kuf" : "0000000012(Old).kuf",
                                            "0000000013(Old).kuf", "notes.kuf"}));
        EXPECT_EQ(config.unit.alias, answer ? "New" : "Old");
    }
}

TEST_F(UnitLibraryTest, DefaultFileLinesOverrideOnlyWhenTheyHoldAValue) {
    struct Case {
        const char* name;
        std::string bytes;
        UnitIdentity unit;  // the open unit afterwards; empty when New must fail
    };
    const Case cases[] = {
        {"dashes keep what New set", "-Unit\r\nId=-\r\nAlias=-\r\nType=-\r\n", {"0000000012", "Pump", "Custom"}},
        {"an alias line renames the unit", "-Unit\r\nAlias=Template\r\n", {"0000000012", "Template", "Custom"}},
        {"an unusable alias writes nothing", "-Unit\r\nAlias=a/b\r\n", {}},
        {"an unusable id writes nothing", "-Unit\r\nId=12\r\n", {}},
        {"a broken file writes nothing", "-Timer\r\n+TimerX\r\nTime=1\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetUnits({});
        test::WriteBytes(library.defaultFilesFolder() / "Custom.kdf", c.bytes);
        UnitConfiguration config = editedUnit();
        ScriptedQuestions questions;
        const LibraryResult result = library.NewUnit("12", "Pump", "Custom", config, questions);
        if (c.unit.id.empty()) {
            EXPECT_EQ(result.status, LibraryStatus::Failed);
            EXPECT_FALSE(result.message.empty());
            EXPECT_EQ(config, editedUnit());
            EXPECT_EQ(unitFolderNames(), Names{});
        } else {
            ASSERT_EQ(result.status, LibraryStatus::Done) << result.message;
            EXPECT_EQ(config.unit, c.unit);
            EXPECT_EQ(config.radio.channel, "42");  // the default file names no channel
            EXPECT_EQ(unitFolderNames(), Names{UnitFileName(c.unit)});
        }
    }
}

TEST_F(UnitLibraryTest, FailedSaveKeepsTheOpenUnitAndDeletesNothing) {
    addUnitFile("0000000012(Old).kuf", "old bytes");
    fs::create_directories(library.unitsFolder() / "0000000012(New).kuf" / "inside");
    UnitConfiguration config = editedUnit();
    ScriptedQuestions questions({true});
    const LibraryResult result = library.NewUnit("12", "New", "KORU Base", config, questions);
    EXPECT_EQ(result.status, LibraryStatus::Failed);
    EXPECT_EQ(result.message.rfind("Cannot save the unit: ", 0), 0U) << result.message;
    EXPECT_NE(result.message.find("0000000012(New).kuf"), std::string::npos) << result.message;
    EXPECT_EQ(config, editedUnit());
    EXPECT_EQ(unitFolderNames(), (Names{"0000000012(New).kuf", "0000000012(Old).kuf"}));
    EXPECT_EQ(test::ReadBytes(library.unitsFolder() / "0000000012(Old).kuf"), "old bytes");
}

}  // namespace
}  // namespace koru
