#include <gtest/gtest.h>

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
using test::ScriptedQuestions;
using Names = std::vector<std::string>;

// The open unit before New: settings all over the place, as a unit that was being edited.
UnitConfiguration editedUnit() {
    UnitConfiguration config;
    config.unit = {"0000000001", "Old", "KORU Starter-kit"};
    config.network.lowerUnits = {"0000000002(Tank)"};
    config.network.setupViaSerial = true;
    config.radio.channel = "42";
    config.radio.broadcast = BroadcastMode::OnlyDown;
    config.serial.baudrate = "115200";
    config.timers[3].time = "250";
    config.input.voltageRange = VoltageRange::StarterKit;
    config.input.inputs[5].on = true;
    config.ioEvents.masks[23].inputA[0] = "T";
    config.ioEvents.masks[0].actions = {"Reset Counter 1"};
    config.messageEvents.messages[19].text = "ALARM";
    config.messageEvents.types[5].on = true;
    config.remoteEvents[23].controls = {"A"};
    config.messageActions.messages[0].type = "Alarm";
    config.counterActions = {"Reset Counter 1"};
    return config;
}

// What a new unit holds: every file setting as in a fresh editor, with the identity New gave it.
UnitConfiguration freshUnit(const UnitIdentity& unit, VoltageRange range) {
    UnitConfiguration config;
    config.unit = unit;
    config.input.voltageRange = range;
    return config;
}

class UnitLibraryNewTest : public test::LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        installDefaultFiles();
    }
};

struct NewCase {
    const char* name;
    std::string id;
    std::string alias;
    std::string type;
    std::string fileName;
    UnitIdentity unit;
    VoltageRange range;
};

TEST_F(UnitLibraryNewTest, NewUnitsStartFromTheDefaultFileOfTheirType) {
    const NewCase cases[] = {
        {"padded id and alias", "12", "Pump", "KORU Base", "0000000012(Pump).kuf",
         {"0000000012", "Pump", "KORU Base"}, VoltageRange::Base},
        {"empty alias becomes the padded id", " 42 ", "", "KORU Base", "0000000042(0000000042).kuf",
         {"0000000042", "0000000042", "KORU Base"}, VoltageRange::Base},
        {"starter kit with a dot in the alias", "7", "St. Olav", "KORU Starter-kit", "0000000007(St. Olav).kuf",
         {"0000000007", "St. Olav", "KORU Starter-kit"}, VoltageRange::StarterKit},
        {"highest unit number", "4294967295", "Top", "KORU Base", "4294967295(Top).kuf",
         {"4294967295", "Top", "KORU Base"}, VoltageRange::Base},
    };
    for (const NewCase& c : cases) {
        SCOPED_TRACE(c.name);
        UnitConfiguration config = editedUnit();
        ScriptedQuestions questions;
        const LibraryResult result = library.NewUnit(c.id, c.alias, c.type, config, questions);
        ASSERT_EQ(result.status, LibraryStatus::Done) << result.message;
        EXPECT_TRUE(questions.asked.empty());
        EXPECT_EQ(result.file, library.unitsFolder() / c.fileName);
        EXPECT_EQ(config, freshUnit(c.unit, c.range));
        EXPECT_EQ(test::ReadBytes(result.file), UnitFileText(config));
        const std::string entry = c.fileName.substr(0, c.fileName.size() - 4);
        const UnitLists lists = library.RefreshUnitLists();
        EXPECT_NE(std::find(lists.units.begin(), lists.units.end(), entry), lists.units.end());
        EXPECT_TRUE(library.UnitIdExists(c.unit.id));
    }
}

TEST_F(UnitLibraryNewTest, RefusedInputChangesNothingAndAsksNothing) {
    struct Case {
        const char* name;
        std::string id;
        std::string alias;
        std::string type;
        std::string message;
    };
    const Case cases[] = {
        {"empty id", "", "Pump", "KORU Base", "The unit ID number is empty."},
        {"letters in the id", "4x2", "Pump", "KORU Base",
         "The unit ID \"4x2\" is not a whole number of at most 10 digits."},
        {"padded id with a decimal point", "000000012.5", "Pump", "KORU Base",
         "The unit ID \"000000012.5\" is not a whole number of at most 10 digits."},
        {"id above 32 bits", "4294967296", "Pump", "KORU Base",
         "The unit ID 4294967296 is above 4294967295, the highest unit number a unit can have."},
        {"no type", "12", "Pump", "", "No type of unit is chosen."},
        {"type out of the folder", "12", "Pump", "../Units/x",
         "The unit type \"../Units/x\" cannot name a default file: it holds \"/\", which separates folders."},
        {"alias with a slash", "12", "Pump/2", "KORU Base",
         "The alias \"Pump/2\" cannot be used in a file name: it holds \"/\", which separates folders."},
        {"alias with a comma", "12", "Pump,2", "KORU Base",
         "The alias \"Pump,2\" cannot hold \",\", which would split the unit's entry in every list that names it."},
        {"alias with a line end", "12", "Pump\r\n", "KORU Base",
         "The alias \"Pump??\" cannot be used in a file name: it holds a control character."},
        {"missing default file", "12", "Pump", "KORU Mega",
         "There is no default file \"" + (library.defaultFilesFolder() / "KORU Mega.kdf").string() +
             "\" for the type \"KORU Mega\"."},
    };
    addUnitFile("0000000012(Old).kuf");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
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

TEST_F(UnitLibraryNewTest, ExistingIdIsReplacedOnlyWhenTheUserAgrees) {
    struct Case {
        const char* name;
        bool answer;
        LibraryStatus status;
        Names after;
    };
    const Case cases[] = {
        {"no keeps the old unit", false, LibraryStatus::NotDone,
         {"0000000012(Old).kuf", "0000000013(Old).kuf", "notes.kuf"}},
        {"yes replaces it even with another alias", true, LibraryStatus::Done,
         {"0000000012(New).kuf", "0000000013(Old).kuf", "notes.kuf"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* name : {"0000000012(Old).kuf", "0000000013(Old).kuf", "notes.kuf"}) addUnitFile(name);
        UnitConfiguration config = editedUnit();
        ScriptedQuestions questions({c.answer});
        const LibraryResult result = library.NewUnit("12", "New", "KORU Base", config, questions);
        EXPECT_EQ(result.status, c.status) << result.message;
        ASSERT_EQ(questions.asked.size(), 1U);
        EXPECT_EQ(questions.asked[0].text, "That ID number already exists,\r\ndo you want to replace it?");
        EXPECT_EQ(questions.asked[0].title, "ID already exist");
        EXPECT_EQ(unitFolderNames(), c.after);
        EXPECT_EQ(config.unit.alias, c.answer ? "New" : "Old");
    }
}

struct DefaultFileCase {
    const char* name;
    std::string bytes;
    LibraryStatus status;
    UnitIdentity unit;    // the open unit afterwards
    Names files;
};

TEST_F(UnitLibraryNewTest, DefaultFileLinesOverrideOnlyWhenTheyHoldAValue) {
    const UnitIdentity before = editedUnit().unit;
    const DefaultFileCase cases[] = {
        {"dashes keep what New set", "-Unit\r\nId=-\r\nAlias=-\r\nType=-\r\n", LibraryStatus::Done,
         {"0000000012", "Pump", "Custom"}, {"0000000012(Pump).kuf"}},
        {"a type line replaces the chosen type", "-Unit\r\nId=-\r\nAlias=-\r\nType=KORU Special\r\n",
         LibraryStatus::Done, {"0000000012", "Pump", "KORU Special"}, {"0000000012(Pump).kuf"}},
        {"an alias line renames the unit", "-Unit\r\nAlias=Template\r\n", LibraryStatus::Done,
         {"0000000012", "Template", "Custom"}, {"0000000012(Template).kuf"}},
        {"an unusable alias writes nothing", "-Unit\r\nAlias=a/b\r\n", LibraryStatus::Failed, before, {}},
        {"an unusable id writes nothing", "-Unit\r\nId=12\r\n", LibraryStatus::Failed, before, {}},
        {"a broken file writes nothing", "-Timer\r\n+TimerX\r\nTime=1\r\n", LibraryStatus::Failed, before, {}},
    };
    for (const DefaultFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& entry : fs::directory_iterator(library.unitsFolder())) fs::remove(entry.path());
        test::WriteBytes(library.defaultFilesFolder() / "Custom.kdf", c.bytes);
        UnitConfiguration config = editedUnit();
        ScriptedQuestions questions;
        const LibraryResult result = library.NewUnit("12", "Pump", "Custom", config, questions);
        EXPECT_EQ(result.status, c.status) << result.message;
        EXPECT_EQ(config.unit, c.unit);
        EXPECT_EQ(unitFolderNames(), c.files);
        if (c.status == LibraryStatus::Done) {
            EXPECT_EQ(config.radio.channel, "42");  // the default file names no channel
        } else {
            EXPECT_EQ(config, editedUnit());
            EXPECT_FALSE(result.message.empty());
        }
    }
}

TEST_F(UnitLibraryNewTest, FailedSaveKeepsTheOpenUnit) {
    fs::create_directory(library.unitsFolder() / "0000000012(Pump).kuf");
    fs::create_directory(library.unitsFolder() / "0000000012(Pump).kuf" / "inside");
    UnitConfiguration config = editedUnit();
    ScriptedQuestions questions({true});
    const LibraryResult result = library.NewUnit("12", "Pump", "KORU Base", config, questions);
    EXPECT_EQ(result.status, LibraryStatus::Failed);
    EXPECT_EQ(result.message.rfind("Cannot save the unit: ", 0), 0U) << result.message;
    EXPECT_EQ(config, editedUnit());
}

}  // namespace
}  // namespace koru
