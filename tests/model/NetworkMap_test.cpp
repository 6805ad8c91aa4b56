#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "model/LibraryNetwork.h"
#include "model/NetworkMap.h"
#include "tests/support/NamedCase.h"
#include "tests/support/NetworkUnits.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using test::Entry;
using test::NetworkUnit;
using test::PrintTo;
using Kind = NetworkFindingKind;

const std::string A = Entry(1, "A");
const std::string B = Entry(2, "B");
const std::string C = Entry(3, "C");
const std::string D = Entry(4, "D");
const std::string Gone = Entry(99, "Gone");

// A finding as a table states it: its kind and the entries of the units it names, in order.
struct Found {
    Kind kind;
    std::vector<std::string> units;
    bool operator==(const Found&) const = default;
};

void PrintTo(const Found& found, std::ostream* out) {
    *out << "{kind " << static_cast<int>(found.kind) << ":";
    for (const std::string& unit : found.units) *out << " " << unit;
    *out << "}";
}

NetworkMap mapOf(const fs::path& unitsFolder) {
    LibraryNetwork network(unitsFolder);
    network.Update();
    return network.map();
}

std::vector<Found> foundIn(const NetworkMap& map) {
    std::vector<Found> found;
    for (const NetworkFinding& finding : map.findings()) {
        Found row{finding.kind, {}};
        for (const int unit : finding.units) row.units.push_back(map.units()[unit].links.entry());
        found.push_back(row);
    }
    return found;
}

struct LibraryCase {
    const char* name;
    std::vector<NetworkUnit> units;
    std::vector<Found> expected;
};

class NetworkFindingsTest : public testing::TestWithParam<LibraryCase> {};

// Each inconsistency is found once, with the units it concerns, and nothing else is found.
TEST_P(NetworkFindingsTest, FindsEachInconsistencyOnceWithItsUnits) {
    test::TempDir library;
    test::WriteNetworkUnits(library / "Units", GetParam().units);
    EXPECT_EQ(foundIn(mapOf(library / "Units")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, NetworkFindingsTest,
    testing::Values(
        LibraryCase{"Consistent", {{1, "A", "", {B, C}}, {2, "B", A, {D}}, {3, "C", A, {}}, {4, "D", B, {}}}, {}},
        LibraryCase{"LowerNamesAnotherUpper",
                    {{1, "A", "", {B, C}}, {2, "B", C, {}}, {3, "C", A, {}}},
                    {{Kind::LowerNamesOtherUpper, {A, B, C}}}},
        LibraryCase{"LowerNamesNoUpper", {{1, "A", "", {B}}, {2, "B", "", {}}}, {{Kind::LowerNamesOtherUpper, {A, B}}}},
        LibraryCase{"UpperDoesNotListIt", {{1, "A", "", {}}, {2, "B", A, {}}}, {{Kind::UpperMissesLower, {B, A}}}},
        LibraryCase{"LowerEntryOfADeletedUnit", {{1, "A", "", {Gone}}}, {{Kind::UnknownEntry, {A}}}},
        LibraryCase{"UpperEntryTypedByHand", {{1, "A", "0000000099", {}}}, {{Kind::UnknownEntry, {A}}}},
        LibraryCase{"ListedByTwoUnits",
                    {{1, "A", "", {B, C}}, {2, "B", A, {}}, {3, "C", A, {B}}},
                    {{Kind::LowerOfSeveral, {B, A, C}}}},
        LibraryCase{"ListedTwiceByOneUnit", {{1, "A", "", {B, B}}, {2, "B", A, {}}}, {{Kind::LowerOfSeveral, {B, A}}}},
        LibraryCase{"LoopOfTwo",
                    {{2, "B", C, {C}}, {3, "C", B, {B}}, {4, "D", C, {}}},
                    {{Kind::UpperMissesLower, {D, C}}, {Kind::UpperLoop, {B, C}}}},
        LibraryCase{"UnitIsItsOwnUpper", {{1, "A", A, {A}}}, {{Kind::UpperLoop, {A}}}},
        // Files in name order: a blank sorts before ")".
        LibraryCase{"TwoFilesOneId", {{12, "Pump", "", {}}, {12, "Pump 2", "", {}}},
                    {{Kind::DuplicateId, {Entry(12, "Pump 2"), Entry(12, "Pump")}}}},
        LibraryCase{"RenamedUnitStillNamedByItsOldAlias",
                    {{1, "A", "", {Entry(2, "Old B")}}, {2, "B", A, {}}},
                    {{Kind::OldAlias, {A, B}}}},
        LibraryCase{"FewerPingsThanLowerUnits",
                    {{1, "A", "", {B, C}, std::nullopt, std::vector<std::string>{"Short ping time - " + B}},
                     {2, "B", A, {}},
                     {3, "C", A, {}}},
                    {{Kind::PingMismatch, {A}}}},
        LibraryCase{"PingsOutOfStep",
                    {{1, "A", "", {B, C}, std::nullopt,
                      std::vector<std::string>{"Short ping time - " + C, "Short ping time - " + B}},
                     {2, "B", A, {}},
                     {3, "C", A, {}}},
                    {{Kind::PingMismatch, {A}}}},
        LibraryCase{"UpperPingOfAnotherUnit",
                    {{1, "A", "", {B}}, {2, "B", A, {}, "Long ping time - " + C}, {3, "C", "", {}}},
                    {{Kind::PingMismatch, {B}}}}),
    test::RowName());

// Files that hold no unit the map can place are listed where and why, and never stop the map.
TEST(NetworkMapTest, FilesThatAreNoSoundUnitFilesAreListedWhereAndWhy) {
    test::TempDir library;
    const fs::path units = library / "Units";
    test::WriteNetworkUnits(units, {{1, "A", "", {}}});
    test::WriteBytes(units / "notes.kuf", "Pump checked on Monday.\r\n");
    test::WriteBytes(units / "export.kuf", "-Radio\r\nChannel=3\r\n");
    test::WriteBytes(units / "0000000005(E).kuf", "-Unit\r\nAlias=E\r\n");
    test::WriteBytes(units / "0000000006(F).kuf", "-Unit\r\nId=6\r\nAlias=F\r\n");
    test::WriteBytes(units / "0000000007(G).kuf", "\r\n-Unit\r\nId=0000000008\r\nAlias=G\r\n");
    test::WriteBytes(units / "0000000009(H).kuf", "\xEF\xBB\xBF-Unit\r\nAlias=\xC5\x81\r\n");
    test::WriteBytes(units / "empty.kuf", "");
    test::WriteBytes(units / "notes.txt", "not looked at");
    ASSERT_EQ(::mkfifo((units / "pipe.kuf").c_str(), 0644), 0);
    fs::create_directory(units / "folder.kuf");
    const std::string dir = units.string() + "/";

    const NetworkMap map = mapOf(units);
    std::vector<std::string> texts;
    for (const NetworkFinding& finding : map.findings()) texts.push_back(finding.text);
    const std::vector<std::string> expected{
        dir + "0000000005(E).kuf:1: the \"-Unit\" section has no \"Id=\" line, so the file holds no unit",
        dir + "0000000006(F).kuf:2: the unit ID \"6\" is not 10 digits",
        dir + "0000000007(G).kuf:3: the file name does not match the unit it holds, which saving writes to "
              "\"0000000008(G).kuf\"",
        dir + "0000000009(H).kuf:2: the file is UTF-8 text (it starts with a byte-order mark) and the character "
              "\"\xC5\x81\" (U+0141) is not in the Windows-1252 character set",
        dir + "empty.kuf:0: the file is empty or holds only comments, so it holds no unit",
        dir + "export.kuf:1: there is no \"-Unit\" section, so the file holds no unit (a parameter file has none)",
        dir + "folder.kuf:0: cannot read the file: Is a directory",
        dir + "notes.kuf:1: no line is a known section heading such as \"-Unit\" or \"-Radio\", so this is not a unit, "
              "default or parameter file",
        dir + "pipe.kuf:0: cannot read the file: it is a named pipe, not a regular file",
    };
    EXPECT_EQ(texts, expected);
    // The unit whose only fault is its file name stands in the map, under the ID it holds.
    ASSERT_EQ(map.units().size(), 2U);
    EXPECT_EQ(map.units()[1].links.entry(), Entry(8, "G"));
    EXPECT_EQ(map.findings()[2].units, std::vector<int>{1});
    EXPECT_EQ(map.findings()[2].file->line, 3);
}

TEST(NetworkMapTest, ALibraryOfBrokenFilesGivesAnEmptyMapAndTheList) {
    test::TempDir library;
    fs::create_directories(library / "Units");
    test::WriteBytes(library / "Units" / "x.kuf", "\xFF\xFE-\0U\0");
    const NetworkMap map = mapOf(library / "Units");
    EXPECT_TRUE(map.units().empty());
    EXPECT_TRUE(map.roots().empty());
    ASSERT_EQ(map.findings().size(), 1U);
    EXPECT_EQ(map.findings()[0].kind, Kind::FileProblem);
    EXPECT_EQ(map.problemCount(), 1);
}

// The tree follows each unit's own upper unit; a loop is cut at its first unit, so every unit stands in it once.
TEST(NetworkMapTest, TreeHangsEachUnitUnderItsUpperUnitAndCutsLoops) {
    test::TempDir library;
    test::WriteNetworkUnits(library / "Units", {{1, "A", "", {B, C}}, {2, "B", A, {}}, {3, "C", A, {}},
                                                 {5, "E", Entry(6, "F"), {}}, {6, "F", Entry(5, "E"), {}},
                                                 {7, "G", Entry(6, "F"), {}}, {8, "H", Gone, {}}});
    const NetworkMap map = mapOf(library / "Units");
    const auto entries = [&map](const std::vector<int>& units) {
        std::vector<std::string> shown;
        for (const int unit : units) shown.push_back(map.units()[unit].links.entry());
        return shown;
    };
    EXPECT_EQ(entries(map.roots()), (std::vector<std::string>{A, Entry(5, "E"), Entry(8, "H")}));
    EXPECT_EQ(entries(map.units()[0].children), (std::vector<std::string>{B, C}));
    EXPECT_EQ(entries(map.units()[3].children), std::vector<std::string>{Entry(6, "F")});
    EXPECT_EQ(entries(map.units()[4].children), std::vector<std::string>{Entry(7, "G")});
    for (int unit = 0; unit < static_cast<int>(map.units().size()); ++unit) {
        const MappedUnit& mapped = map.units()[unit];
        const std::vector<int>& siblings = mapped.parent < 0 ? map.roots() : map.units()[mapped.parent].children;
        EXPECT_EQ(siblings.at(mapped.row), unit) << mapped.links.entry();
    }
    // Lookups a view needs: by entry (an old alias finds the unit by its ID) and by file.
    EXPECT_EQ(map.unitOfEntry(C), 2);
    EXPECT_EQ(map.unitOfEntry(Entry(3, "Old C")), 2);
    EXPECT_EQ(map.unitOfEntry(Gone), std::nullopt);
    EXPECT_EQ(map.unitOfFile(Entry(7, "G") + ".kuf"), 5);
    EXPECT_TRUE(map.units()[3].hasProblem);  // in the loop
    EXPECT_FALSE(map.units()[1].hasProblem);
}

// After a save, a new unit or a deletion, only the files that changed are read again.
TEST(NetworkMapTest, UpdateFollowsTheFolderAndReportsWhetherAnythingChanged) {
    test::TempDir library;
    const fs::path units = library / "Units";
    test::WriteNetworkUnits(units, {{1, "A", "", {B}}, {2, "B", A, {}}});
    LibraryNetwork network(units);
    EXPECT_TRUE(network.Update());
    EXPECT_EQ(network.map().problemCount(), 0);
    EXPECT_FALSE(network.Update());

    test::WriteNetworkUnits(units, {{2, "B", "", {}}});
    EXPECT_TRUE(network.Update());
    EXPECT_EQ(foundIn(network.map()), (std::vector<Found>{{Kind::LowerNamesOtherUpper, {A, B}}}));

    fs::remove(units / (B + ".kuf"));
    EXPECT_TRUE(network.Update());
    EXPECT_EQ(foundIn(network.map()), (std::vector<Found>{{Kind::UnknownEntry, {A}}}));
    EXPECT_EQ(network.map().units().size(), 1U);
}

}  // namespace
}  // namespace koru
