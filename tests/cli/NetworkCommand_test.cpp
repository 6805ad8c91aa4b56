#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/support/Korucfg.h"
#include "tests/support/NamedCase.h"
#include "tests/support/NetworkUnits.h"
#include "tests/support/PtyPair.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using test::Entry;
using test::NetworkUnit;
using test::PathArgument;
using test::PrintTo;

const std::string A = Entry(1, "A");
const std::string B = Entry(2, "B");
const std::string C = Entry(3, "C");
const std::string D = Entry(4, "D");

test::ProgramRun runNetwork(const test::TempDir& library, QStringList options = {}) {
    return test::RunKorucfg(QStringList{"network", "--library", PathArgument(library.path())} + options);
}

TEST(NetworkCommandTest, ConsistentLibraryPrintsTheTreeIndentedAsTheLinksSay) {
    test::TempDir library;
    test::WriteNetworkUnits(library / "Units", {{1, "A", "", {B, C}}, {2, "B", A, {D}}, {3, "C", A, {}},
                                                 {4, "D", B, {}}, {5, "E", "", {}}});
    const test::ProgramRun run = runNetwork(library);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, A + "\n  " + B + "\n    " + D + "\n  " + C + "\n" + Entry(5, "E") +
                           "\n\n5 units, 0 problems, 0 warnings\n");
    EXPECT_EQ(run.err, "");
}

struct BrokenCase {
    const char* name;
    std::vector<NetworkUnit> units;
    std::string line;  // the finding's line
    int exitCode;
};

class BrokenLibraryTest : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenLibraryTest, NamesTheUnitsOfEachProblemInOneLine) {
    test::TempDir library;
    test::WriteNetworkUnits(library / "Units", GetParam().units);
    const test::ProgramRun run = runNetwork(library);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
    const std::string findings = run.out.substr(run.out.find("\n\n") + 2);
    EXPECT_EQ(findings.substr(0, findings.find('\n') + 1), GetParam().line + "\n") << run.out;
    EXPECT_EQ(std::count(findings.begin(), findings.end(), '\n'), 3) << "one finding, an empty line, the count";
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, BrokenLibraryTest,
    testing::Values(
        BrokenCase{"LowerNamesAnotherUpper", {{1, "A", "", {B, C}}, {2, "B", C, {}}, {3, "C", A, {}}},
                   A + " lists " + B + " as a lower unit, but " + B + " names " + C + " as its upper unit", 1},
        BrokenCase{"UpperDoesNotListIt", {{1, "A", "", {}}, {2, "B", A, {}}},
                   B + " names " + A + " as its upper unit, but " + A + " does not list it as a lower unit", 1},
        BrokenCase{"DeletedUnit", {{1, "A", "", {Entry(99, "Gone")}}},
                   A + " lists the lower unit 0000000099(Gone), but no unit of the library has the ID 0000000099", 1},
        BrokenCase{"ListedByTwo", {{1, "A", "", {B, C}}, {2, "B", A, {}}, {3, "C", A, {B}}},
                   B + " is listed as a lower unit by " + A + " and " + C, 1},
        BrokenCase{"Loop", {{1, "A", B, {B}}, {2, "B", A, {A}}},
                   "A loop of upper units: " + A + " -> " + B + " -> " + A + " (each names the next as its upper unit)",
                   1},
        BrokenCase{"DuplicateId", {{1, "A", "", {}}, {1, "A2", "", {}}},
                   "The unit files \"0000000001(A).kuf\" and \"0000000001(A2).kuf\" hold the same ID 0000000001", 1},
        BrokenCase{"PingsOutOfStep",
                   {{1, "A", "", {B}, std::nullopt, std::vector<std::string>{}}, {2, "B", A, {}}},
                   "The lower ping list of " + A + " has 0 entries for 1 lower unit", 1},
        BrokenCase{"RenamedIsOnlyAWarning", {{1, "A", "", {Entry(2, "Old B")}}, {2, "B", A, {}}},
                   "warning: " + A + " names 0000000002(Old B) (Lower units, Lower ping), but that unit is now " + B,
                   0}),
    test::RowName());

TEST(NetworkCommandTest, DotDrawsOneEdgePerLinkAndMarksTheBrokenOnes) {
    test::TempDir library;
    // Links: A-B sound, A-C (C names B), B-C (B does not list C), A-Gone.
    test::WriteNetworkUnits(library / "Units",
                            {{1, "A", "", {B, C, Entry(99, "Gone")}}, {2, "B", A, {}}, {3, "C", B, {}}});
    const test::ProgramRun run = runNetwork(library, {"--dot"});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_TRUE(run.out.starts_with("digraph network {\n")) << run.out;
    std::vector<std::string> edges;
    for (std::size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = run.out.substr(start, end - start);
        if (line.find(" -> ") != std::string::npos) edges.push_back(line);
    }
    EXPECT_EQ(edges, (std::vector<std::string>{
                         "  u0 -> m0 [color=red, style=dashed, label=\"no such unit\"];",
                         "  u0 -> u1;",
                         "  u0 -> u2 [color=red, style=dashed, label=\"not named as upper unit\"];",
                         "  u1 -> u2 [color=red, style=dashed, label=\"not listed as lower unit\"];",
                     }));
    EXPECT_NE(run.out.find("  m0 [label=\"0000000099(Gone)\", style=dashed, color=red];\n"), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("}\n"));
}

// A library where A and C still name B by its old alias; C also names it in a message action, which stays.
struct RenamedLibrary {
    RenamedLibrary() {
        const std::string old = Entry(2, "Old B");
        test::WriteNetworkUnits(dir / "Units", {{1, "A", "", {old}}, {2, "B", A, {}}, {3, "C", old, {}}, {4, "D", C, {}}});
        const fs::path holder = dir / "Units" / (C + ".kuf");
        test::WriteBytes(holder, test::ReadBytes(holder) + "\r\n-Message action\r\nActions=Send to " + old + "\r\n");
        for (const auto& file : fs::directory_iterator(dir / "Units")) before[file.path()] = test::ReadBytes(file.path());
    }
    // The bytes each file has now, and the bytes expected: the old entries replaced in the network keys only.
    void expectFixed(bool fixed) const {
        for (const auto& [file, bytes] : before) {
            std::string expected = bytes;
            const std::string cut = "\r\n-Radio";
            const std::size_t end = expected.find(cut);
            for (std::size_t at; fixed && (at = expected.find("0000000002(Old B)")) < end;) {
                expected.replace(at, 17, "0000000002(B)");
            }
            EXPECT_EQ(test::ReadBytes(file), expected) << file;
        }
    }
    test::TempDir dir;
    std::map<fs::path, std::string> before;
};

const std::string kPlannedChanges = "Entries with an old alias, to be rewritten:\n" + A +
                                    ":\n  0000000002(Old B) -> 0000000002(B) (Lower units, Lower ping)\n" + C +
                                    ":\n  0000000002(Old B) -> 0000000002(B) (Upper unit, Upper ping)\n";

TEST(NetworkCommandTest, FixAliasesRewritesOnlyTheEntriesAfterListingThem) {
    RenamedLibrary library;
    const test::ProgramRun asked = runNetwork(library.dir, {"--fix-aliases"});
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_EQ(asked.out, kPlannedChanges);
    EXPECT_EQ(asked.err, "korucfg: Nothing changed: there is no terminal to ask on; give --yes to rewrite the entries.\n");
    library.expectFixed(false);

    const test::ProgramRun fixed = runNetwork(library.dir, {"--fix-aliases", "--yes"});
    EXPECT_EQ(fixed.exitCode, 0) << fixed.err;
    EXPECT_EQ(fixed.out, kPlannedChanges + "Rewrote 4 entries in 2 unit files.\n");
    library.expectFixed(true);
    const auto files = fs::directory_iterator(library.dir / "Units");
    EXPECT_EQ(std::distance(fs::begin(files), fs::end(files)), 4) << "no temporary file left";

    const test::ProgramRun again = runNetwork(library.dir, {"--fix-aliases"});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, "No entry carries an old alias; nothing to rewrite.\n");
}

// The question is asked on the terminal; only "y" rewrites.
TEST(NetworkCommandTest, FixAliasesAsksOnTheTerminal) {
    for (const auto& [answer, fixed] : {std::pair{"n\n", false}, std::pair{"y\n", true}}) {
        SCOPED_TRACE(answer);
        RenamedLibrary library;
        test::PtyPair terminal;
        terminal.write(answer);
        QProcess process;
        process.setStandardInputFile(QString::fromStdString(terminal.devicePath()));
        process.start(KORU_BIN_DIR "/korucfg",
                      {"network", "--fix-aliases", "--library", PathArgument(library.dir.path())});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), fixed ? 0 : 1);
        EXPECT_EQ(process.readAllStandardError().toStdString(), "Rewrite these entries in 2 unit files? [y/N] ");
        library.expectFixed(fixed);
    }
}

TEST(NetworkCommandTest, TroubleAndUsageErrorsExitTwo) {
    test::TempDir library;
    const QString missing = PathArgument(library / "nowhere");
    const struct {
        QStringList arguments;
        std::string err;
    } cases[] = {
        {{"network", "--library", missing},
         "korucfg: The library folder \"" + missing.toStdString() + "\" does not exist.\n"},
        {{"network", "--yes", "--library", PathArgument(library.path())},
         "korucfg: network takes no file names; --yes goes with --fix-aliases, which --dot does not.\n"
         "Usage: korucfg network [--library DIR] [--dot | --fix-aliases [--yes]]\n"},
    };
    for (const auto& [arguments, err] : cases) {
        const test::ProgramRun run = test::RunKorucfg(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, err);
        EXPECT_EQ(run.out, "");
    }
}

// Every command's help names the program as it is typed, not by the path it was started from.
TEST(CommandHelpTest, UsageNamesKorucfgAndTheCommand) {
    for (const char* command :
         {"normalize", "export", "encode", "check", "units", "new", "delete", "network", "send", "simulate"}) {
        SCOPED_TRACE(command);
        const test::ProgramRun run = test::RunKorucfg({command, "--help"});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.starts_with("Usage: korucfg " + std::string(command) + " ")) << run.out;
    }
}

}  // namespace
}  // namespace koru
