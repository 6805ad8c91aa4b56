#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "model/UnitFile.h"
#include "model/UnitLibrary.h"
#include "tests/model/LibraryFixture.h"
#include "tests/support/ScriptedQuestions.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using test::LibraryFixture;
using test::ScriptedQuestions;
using Names = std::vector<std::string>;

class UnitLibraryTest : public LibraryFixture {};

TEST_F(UnitLibraryTest, ListsHoldTheUnitEntriesBetweenTheFixedEntries) {
    addUnitFile("0000000002(Tank).kuf");
    addUnitFile("0000000001(St. Olav).kuf");
    addUnitFile("notes.kuf");
    addUnitFile("readme.txt");
    addUnitFile(".0000000009(Half).kuf.tmp123");
    addUnitFile("0000000005(Upper).KUF");
    fs::create_directory(library.unitsFolder() / "0000000003(Folder).kuf");

#if defined(_WIN32) || defined(__APPLE__)
    const Names units{"0000000001(St. Olav)", "0000000002(Tank)", "0000000005(Upper)", "notes"};
#else
    const Names units{"0000000001(St. Olav)", "0000000002(Tank)", "notes"};
#endif
    const UnitLists lists = library.RefreshUnitLists();
    EXPECT_EQ(lists.units, units);
    EXPECT_EQ(library.UnitEntries(), units);

    Names message{"[Serial port]", "[Upper unit]"};
    Names outputFlag{"-", "[Upper unit]"};
    for (const std::string& unit : units) {
        message.push_back(unit);
        outputFlag.push_back(unit);
    }
    message.emplace_back("[General Broadcast]");
    outputFlag.emplace_back("[General Broadcast]");
    EXPECT_EQ(lists.messageDestinations, message);
    EXPECT_EQ(lists.outputFlagDestinations, outputFlag);
}

TEST_F(UnitLibraryTest, EmptyOrMissingUnitsFolderGivesOnlyTheFixedEntries) {
    const Names message{"[Serial port]", "[Upper unit]", "[General Broadcast]"};
    const Names outputFlag{"-", "[Upper unit]", "[General Broadcast]"};
    for (const bool removeFolder : {false, true}) {
        SCOPED_TRACE(removeFolder ? "missing folder" : "empty folder");
        if (removeFolder) fs::remove(library.unitsFolder());
        const UnitLists lists = library.RefreshUnitLists();
        EXPECT_EQ(lists.units, Names{});
        EXPECT_EQ(lists.messageDestinations, message);
        EXPECT_EQ(lists.outputFlagDestinations, outputFlag);
    }
}

TEST_F(UnitLibraryTest, IdExistsComparesThePartBeforeTheFirstParenthesis) {
    addUnitFile("notes.kuf");
    addUnitFile("0000000013.kuf");
    addUnitFile("0000000012(St. Olav).kuf");
    addUnitFile("0000000014(x).txt");
    struct Case {
        const char* id;
        bool exists;
    };
    const Case cases[] = {
        {"0000000012", true},  {"0000000013", false}, {"0000000014", false},
        {"000000001", false},  {"notes", false},      {"0000000012(St", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(library.UnitIdExists(c.id), c.exists);
    }
}

TEST_F(UnitLibraryTest, DefaultFilesGiveTheTypesByNameWithoutExtension) {
    EXPECT_EQ(library.ListDefaultFiles(), Names{});
    fs::create_directories(library.defaultFilesFolder());
    for (const char* name : {"KORU Starter-kit.kdf", "KORU Base.kdf", "KORU v1.2.kdf", "notes.txt", "Old.kdf.bak"}) {
        test::WriteBytes(library.defaultFilesFolder() / name, "-Unit\r\n");
    }
    EXPECT_EQ(library.ListDefaultFiles(), (Names{"KORU Base", "KORU Starter-kit", "KORU v1.2"}));
}

TEST_F(UnitLibraryTest, CreateFoldersMakesUnitsAndParameterFilesOnly) {
    test::TempDir fresh;
    const UnitLibrary empty(fresh.path());
    EXPECT_TRUE(empty.CreateFolders().done());
    EXPECT_TRUE(fs::is_directory(fresh / "Units"));
    EXPECT_TRUE(fs::is_directory(fresh / "Parameter files"));
    EXPECT_FALSE(fs::exists(fresh / "Default Files"));

    test::WriteBytes(fresh / "blocked", "");
    const UnitLibrary blocked(fresh / "blocked");
    const LibraryResult result = blocked.CreateFolders();
    EXPECT_EQ(result.status, LibraryStatus::Failed);
    EXPECT_NE(result.message.find("Cannot create the folder"), std::string::npos) << result.message;
}

UnitConfiguration unitConfig(const std::string& id, const std::string& alias) {
    UnitConfiguration config;
    config.unit = {id, alias, "KORU Base"};
    config.radio.channel = "17";
    return config;
}

struct SaveCase {
    const char* name;
    Names before;
    std::string id;
    std::string alias;
    Names after;
};

TEST_F(UnitLibraryTest, SavingLeavesOneFileForTheIdAndKeepsEveryOtherIdsFiles) {
    const SaveCase cases[] = {
        {"new unit in an empty library", {}, "0000000012", "Pump", {"0000000012(Pump).kuf"}},
        {"same name is written over, never deleted",
         {"0000000012(Pump).kuf"},
         "0000000012",
         "Pump",
         {"0000000012(Pump).kuf"}},
        {"new alias removes every old file of the id",
         {"0000000012(Old).kuf", "0000000012(Older).kuf", "0000000013(Old).kuf", "0000000120(Old).kuf"},
         "0000000012",
         "New",
         {"0000000012(New).kuf", "0000000013(Old).kuf", "0000000120(Old).kuf"}},
        {"names without a parenthesis and other files are kept",
         {"0000000012.kuf", "notes.kuf", "0000000012(Old).txt"},
         "0000000012",
         "St. Olav",
         {"0000000012(Old).txt", "0000000012(St. Olav).kuf", "0000000012.kuf", "notes.kuf"}},
#if defined(_WIN32) || defined(__APPLE__)
        {"letter case of the alias only", {"0000000012(Pump).kuf"}, "0000000012", "pump", {"0000000012(Pump).kuf"}},
#else
        {"letter case of the alias only", {"0000000012(Pump).kuf"}, "0000000012", "pump", {"0000000012(pump).kuf"}},
#endif
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& entry : fs::directory_iterator(library.unitsFolder())) fs::remove(entry.path());
        for (const std::string& name : c.before) addUnitFile(name);

        const UnitConfiguration config = unitConfig(c.id, c.alias);
        const LibraryResult result = library.SaveUnit(config);
        ASSERT_EQ(result.status, LibraryStatus::Done) << result.message;
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(unitFolderNames(), c.after);
        EXPECT_EQ(test::ReadBytes(result.file), UnitFileText(config));
    }
}

TEST_F(UnitLibraryTest, SavingAnUnsafeNameIsRefusedAndWritesNothing) {
    addUnitFile("0000000012(Old).kuf");
    struct Case {
        const char* name;
        std::string id;
        std::string alias;
        LibraryStatus status;
        std::string message;
    };
    const Case cases[] = {
        {"no unit open", "", "Pump", LibraryStatus::NotDone, ""},
        {"slash in the alias", "0000000012", "../Pump", LibraryStatus::Refused,
         "The alias \"../Pump\" cannot be used in a file name: it holds \"/\", which separates folders."},
        {"comma in the alias", "0000000012", "A,B", LibraryStatus::Refused,
         "The alias \"A,B\" cannot hold \",\", which would split the unit's entry in every list that names it."},
        {"short id", "12", "Pump", LibraryStatus::Refused,
         "The unit ID \"12\" is not 10 digits, so it cannot name a unit file."},
        {"id that climbs out", "../../0012", "Pump", LibraryStatus::Refused,
         "The unit ID \"../../0012\" is not 10 digits, so it cannot name a unit file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LibraryResult result = library.SaveUnit(unitConfig(c.id, c.alias));
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(unitFolderNames(), Names{"0000000012(Old).kuf"});
    }
    Names rootNames;
    for (const auto& entry : fs::directory_iterator(dir.path())) rootNames.push_back(entry.path().filename().string());
    std::sort(rootNames.begin(), rootNames.end());
    EXPECT_EQ(rootNames, (Names{"Parameter files", "Units"}));
}

TEST_F(UnitLibraryTest, FailedWriteDeletesNothing) {
    addUnitFile("0000000012(Old).kuf", "old bytes");
    fs::create_directory(library.unitsFolder() / "0000000012(New).kuf");
    fs::create_directory(library.unitsFolder() / "0000000012(New).kuf" / "inside");

    const LibraryResult result = library.SaveUnit(unitConfig("0000000012", "New"));
    EXPECT_EQ(result.status, LibraryStatus::Failed);
    EXPECT_EQ(result.message.rfind("Cannot save the unit: ", 0), 0U) << result.message;
    EXPECT_NE(result.message.find("0000000012(New).kuf"), std::string::npos) << result.message;
    EXPECT_EQ(unitFolderNames(), (Names{"0000000012(New).kuf", "0000000012(Old).kuf"}));
    EXPECT_EQ(test::ReadBytes(library.unitsFolder() / "0000000012(Old).kuf"), "old bytes");
}

TEST_F(UnitLibraryTest, SavingRecreatesAMissingUnitsFolder) {
    fs::remove(library.unitsFolder());
    EXPECT_TRUE(library.SaveUnit(unitConfig("0000000012", "Pump")).done());
    EXPECT_EQ(unitFolderNames(), Names{"0000000012(Pump).kuf"});
}

TEST_F(UnitLibraryTest, PromptSaveAsksOnlyWhenAUnitIsOpen) {
    struct Case {
        const char* name;
        std::string id;
        std::deque<bool> answers;
        size_t questions;
        LibraryStatus status;
        Names files;
    };
    const Case cases[] = {
        {"no unit open", "", {true}, 0, LibraryStatus::NotDone, {}},
        {"answer no", "0000000012", {false}, 1, LibraryStatus::NotDone, {}},
        {"answer yes", "0000000012", {true}, 1, LibraryStatus::Done, {"0000000012(Pump).kuf"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedQuestions questions(c.answers);
        const LibraryResult result = library.PromptSaveUnit(unitConfig(c.id, "Pump"), questions);
        EXPECT_EQ(result.status, c.status);
        ASSERT_EQ(questions.asked.size(), c.questions);
        if (c.questions > 0) {
            EXPECT_EQ(questions.asked[0], (ScriptedQuestions::Question{"Do you want to save unit?", "Save unit..."}));
        }
        EXPECT_EQ(unitFolderNames(), c.files);
    }
}

TEST_F(UnitLibraryTest, DeleteAsksAndRemovesOnlyThatUnitFile) {
    struct Case {
        const char* name;
        std::string entry;
        std::deque<bool> answers;
        Names asked;  // question texts
        LibraryStatus status;
        std::string message;
        Names after;
    };
    const Names all{"0000000012(St. Olav).kuf", "0000000013(Tank).kuf"};
    const Case cases[] = {
        {"yes deletes", "0000000012(St. Olav)", {true},
         {"Are you sure that you want to delete 0000000012(St. Olav)?"}, LibraryStatus::Done, "",
         {"0000000013(Tank).kuf"}},
        {"no keeps", "0000000012(St. Olav)", {false},
         {"Are you sure that you want to delete 0000000012(St. Olav)?"}, LibraryStatus::NotDone, "", all},
        {"nothing chosen", "", {true}, {}, LibraryStatus::NotDone, "", all},
        {"cut at the first dot names no file", "0000000012(St", {true}, {}, LibraryStatus::Refused,
         "There is no unit \"0000000012(St\" in the library.", all},
        {"path out of the folder", "../outside", {true}, {}, LibraryStatus::Refused,
         "There is no unit \"../outside\" in the library.", all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& name : all) addUnitFile(name);
        test::WriteBytes(dir / "outside.kuf", "-Unit\r\n");
        ScriptedQuestions questions(c.answers);

        const LibraryResult result = library.DeleteUnit(c.entry, questions);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.message, c.message);
        Names asked;
        for (const auto& question : questions.asked) {
            EXPECT_EQ(question.title, "Delete unit...");
            asked.push_back(question.text);
        }
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(unitFolderNames(), c.after);
        EXPECT_TRUE(fs::exists(dir / "outside.kuf"));
    }
}

TEST_F(UnitLibraryTest, OpenLoadsTheFileOrLeavesTheConfigurationAsItWas) {
    addUnitFile("0000000012(Pump).kuf", "-Unit\r\nId=0000000012\r\nAlias=Pump\r\n-Radio\r\nChannel=44\r\n");
    addUnitFile("0000000013(Bad).kuf", "-Radio\r\nChannel=55\r\n-Timer\r\n+TimerX\r\nTime=5\r\n");

    UnitConfiguration config = unitConfig("0000000001", "Before");
    const UnitConfiguration before = config;
    const LibraryResult bad = library.OpenUnit(library.unitsFolder() / "0000000013(Bad).kuf", config);
    EXPECT_EQ(bad.status, LibraryStatus::Failed);
    EXPECT_EQ(bad.message.rfind("Cannot open the unit: ", 0), 0U) << bad.message;
    EXPECT_NE(bad.message.back(), ' ');
    EXPECT_EQ(bad.message.find(".."), std::string::npos) << bad.message;
    EXPECT_NE(bad.message.find("0000000013(Bad).kuf:4: section \"Timer\""), std::string::npos) << bad.message;
    EXPECT_EQ(config, before);

    const LibraryResult missing = library.OpenUnit(library.unitsFolder() / "0000000099(None).kuf", config);
    EXPECT_EQ(missing.status, LibraryStatus::Failed);
    EXPECT_EQ(config, before);

    const LibraryResult good = library.OpenUnit(library.unitsFolder() / "0000000012(Pump).kuf", config);
    ASSERT_TRUE(good.done()) << good.message;
    EXPECT_EQ(config.unit, (UnitIdentity{"0000000012", "Pump", "KORU Base"}));
    EXPECT_EQ(config.radio.channel, "44");
}

}  // namespace
}  // namespace koru
