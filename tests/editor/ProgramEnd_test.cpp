#include <gtest/gtest.h>

#include <QTest>

#include <csignal>

#include "tests/editor/RunningProgram.h"
#include "tests/support/Korucfg.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using test::PrintTo;

const std::string kAbortLine = "ORVEN_AB_KORU_SETUP;0000002A;ABORT;\r\n";

// A library with the base unit 42 in its units folder, and the user's settings beside it.
struct Library {
    Library() {
        fs::create_directories(root() / "Units");
        unit = test::WriteBaseUnit(root() / "Units");
        saved = test::ReadBytes(unit);
    }
    fs::path root() const { return dir.path() / "library"; }
    QString rootArgument() const { return QString::fromStdString(root().string()); }
    QString unitArgument() const { return QString::fromStdString(unit); }
    // The edits kept in the recovery folder.
    std::vector<fs::path> kept() const {
        std::vector<fs::path> files;
        std::error_code ignored;
        for (fs::directory_iterator it(root() / "Recovery", ignored); !ignored && it != fs::directory_iterator();
             it.increment(ignored)) {
            if (it->path().extension() == ".kur") files.push_back(it->path());
        }
        return files;
    }

    test::TempDir dir;
    std::string unit;
    std::string saved;  // the unit file's bytes
};

struct SignalCase {
    const char* name;
    int signalNumber;
};

class ProgramSignalTest : public ::testing::TestWithParam<SignalCase> {};

// A logout (SIGTERM), a closed terminal (SIGHUP) or Ctrl+C (SIGINT) during a send ends the real program as
// its own close does: the abort line reaches the unit, then the program ends with 128 + the signal.
TEST_P(ProgramSignalTest, DuringASendAbortsItAndEnds) {
    Library library;
    test::SimulatorProcess unit({"--silent-from", "2"}, (library.dir / "t.bin").string());
    test::WriteBytes(library.dir / "KORU Configurator.conf",
                     "[serialsetup]\nComDevice1=" + unit.device().toStdString() + "\n");
    test::RunningProgram program({"send"}, {"--library", library.rootArgument(), library.unitArgument()},
                                 library.dir.path());
    ASSERT_TRUE(program.waitForLine("sending")) << program.output().toStdString();
    // The second packet waits for its answer.
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::ranges::count(unit.receivedSoFar(), '\n') >= 3; }, 20000));

    program.signal(GetParam().signalNumber);
    EXPECT_EQ(program.waitForEnd(), 128 + GetParam().signalNumber) << "(-1: ended by the signal itself)";
    EXPECT_TRUE(unit.received().ends_with(kAbortLine));
    EXPECT_TRUE(library.kept().empty());  // nothing was edited
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramSignalTest,
                         ::testing::Values(SignalCase{"Logout", SIGTERM}, SignalCase{"TerminalClosed", SIGHUP},
                                           SignalCase{"CtrlC", SIGINT}),
                         test::RowName());

// The next start offers the kept edits; Yes puts them back into the window without writing the unit file,
// and a clean end after No to the save question leaves nothing behind.
void ExpectOfferedBack(const Library& library) {
    test::RunningProgram program({"answer:yes", "print:txtAlias", "close", "answer:no"},
                                 {"--library", library.rootArgument()}, library.dir.path());
    ASSERT_TRUE(program.waitForLine("ready")) << program.output().toStdString();
    const auto asked = program.line("asked: ");
    ASSERT_TRUE(asked.has_value()) << program.output().toStdString();
    EXPECT_TRUE(asked->contains("\"Edited - 0000000042\"")) << asked->toStdString();
    EXPECT_EQ(program.line("txtAlias=").value_or("(none)"), "Edited");
    EXPECT_EQ(program.waitForEnd(), 0);
    EXPECT_EQ(test::ReadBytes(library.unit), library.saved);
    EXPECT_TRUE(library.kept().empty());
}

// An edit, then a logout: the window cannot ask whether to save, so the edit is kept in the library's
// recovery folder, never over the unit's own file.
TEST(ProgramRecoveryTest, AnEditOutlivesALogout) {
    Library library;
    {
        test::RunningProgram program({"type:txtAlias=Edited"}, {"--library", library.rootArgument(), library.unitArgument()},
                                     library.dir.path());
        ASSERT_TRUE(program.waitForLine("ready")) << program.output().toStdString();
        program.signal(SIGTERM);
        EXPECT_EQ(program.waitForEnd(), 128 + SIGTERM);
    }
    EXPECT_EQ(test::ReadBytes(library.unit), library.saved);
    const std::vector<fs::path> kept = library.kept();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(test::ReadBytes(kept[0]).find("\r\nAlias=Edited\r\n"), std::string::npos);
    ExpectOfferedBack(library);
}

// An edit, then kill -9 a few seconds later: the edits were kept while the user worked.
TEST(ProgramRecoveryTest, AnEditOutlivesKillMinus9) {
    Library library;
    {
        test::RunningProgram program({"type:txtAlias=Edited"}, {"--library", library.rootArgument(), library.unitArgument()},
                                     library.dir.path());
        ASSERT_TRUE(program.waitForLine("ready")) << program.output().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !library.kept().empty(); }, 5000)) << "nothing kept after 5 s";
        program.signal(SIGKILL);
        program.waitForEnd();
    }
    EXPECT_EQ(test::ReadBytes(library.unit), library.saved);
    ExpectOfferedBack(library);
}

}  // namespace
}  // namespace koru
