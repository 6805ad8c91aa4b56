#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/SendHistory.h"
#include "tests/support/NamedCase.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using test::PrintTo;

SendLogEntry Entry(const std::string& unitId, const std::string& verdict = "Selected parameters saved in Koru") {
    return {"2026-12-07T06:30:12+01:00", unitId, "Pump", "/dev/ttyUSB0", {"radio"}, verdict,
            {{"radio", "acknowledged"}}, "korucfg 1.3"};
}

// The files of the history folder other than the log and the unit's state: what was kept aside.
std::vector<fs::path> KeptAside(const SendHistory& history) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(history.folder())) {
        if (entry.path().filename().string().find(".damaged-") != std::string::npos) files.push_back(entry.path());
    }
    return files;
}

TEST(SendHistoryTest, AppendsBeginTheLogWithItsHeaderAndReadBackInOrder) {
    test::TempDir library;
    SendHistory history(library.path());
    ASSERT_TRUE(history.append(Entry("0000000042")));
    ASSERT_TRUE(history.append(Entry("0000000043")));
    EXPECT_EQ(test::ReadBytes(history.logFile()), std::string(kSendLogHeader) + "\r\n" +
                                                      SendLogLine(Entry("0000000042")) + "\r\n" +
                                                      SendLogLine(Entry("0000000043")) + "\r\n");
    EXPECT_EQ(history.readLog().entries, (std::vector{Entry("0000000042"), Entry("0000000043")}));
    EXPECT_TRUE(history.takeProblems().empty());
}

// A line a killed program left cut short is ended by the next append, skipped by readers and said once.
TEST(SendHistoryTest, ALineCutShortStaysApartFromTheNextEntry) {
    test::TempDir library;
    SendHistory history(library.path());
    ASSERT_TRUE(history.append(Entry("0000000042")));
    const std::string cut = SendLogLine(Entry("0000000043")).substr(0, 30);
    test::WriteBytes(history.logFile(), test::ReadBytes(history.logFile()) + cut);
    ASSERT_TRUE(history.append(Entry("0000000044")));

    EXPECT_TRUE(test::ReadBytes(history.logFile()).ends_with(cut + "\r\n" + SendLogLine(Entry("0000000044")) + "\r\n"));
    EXPECT_EQ(history.readLog().entries, (std::vector{Entry("0000000042"), Entry("0000000044")}));
    EXPECT_EQ(history.takeProblems(), (std::vector<std::string>{"The send log \"" + history.logFile().string() +
                                                                "\" has damaged lines, which are skipped: 3."}));
    history.readLog();
    EXPECT_TRUE(history.takeProblems().empty());
}

struct DamagedLogCase {
    const char* name;
    std::string bytes;  // empty: a folder stands where the log should
    std::string why;
};

class SendHistoryDamagedLogTest : public ::testing::TestWithParam<DamagedLogCase> {};

// A log that cannot take another line is kept aside as it is, and a new one takes the entry.
TEST_P(SendHistoryDamagedLogTest, IsKeptAsideAndANewLogBegun) {
    const DamagedLogCase& c = GetParam();
    test::TempDir library;
    SendHistory history(library.path());
    fs::create_directories(history.folder());
    if (c.bytes.empty()) {
        fs::create_directories(history.logFile() / "inside");
    } else {
        test::WriteBytes(history.logFile(), c.bytes);
    }

    ASSERT_TRUE(history.append(Entry("0000000042")));

    EXPECT_EQ(history.readLog().entries, std::vector{Entry("0000000042")});
    const std::vector<fs::path> aside = KeptAside(history);
    ASSERT_EQ(aside.size(), 1U);
    EXPECT_TRUE(aside[0].filename().string().starts_with("send-log.damaged-"));
    if (!c.bytes.empty()) {
        EXPECT_EQ(test::ReadBytes(aside[0]), c.bytes);
    }
    EXPECT_EQ(history.takeProblems(),
              std::vector<std::string>{"The file \"" + history.logFile().string() + "\" could not be used (" + c.why +
                                       "); it is kept as \"" + aside[0].string() + "\" and a new one is begun."});
}

INSTANTIATE_TEST_SUITE_P(
    Logs, SendHistoryDamagedLogTest,
    ::testing::Values(
        DamagedLogCase{"NotALog", "PK\x03\x04 a spreadsheet saved over it", "it is not a send log"},
        DamagedLogCase{"Newer", "Time,Unit,Alias,Device,Groups,Verdict,Outcomes,Port,Program,Check\r\n",
                       "it was written by a newer version of the program"},
        DamagedLogCase{"AFolder", "", "Is a directory"}),
    test::RowName());

TEST(SendHistoryTest, AnUnreadableLogIsKeptAside) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    test::TempDir library;
    SendHistory history(library.path());
    ASSERT_TRUE(history.append(Entry("0000000042")));
    fs::permissions(history.logFile(), fs::perms::none);
    ASSERT_TRUE(history.append(Entry("0000000043")));
    EXPECT_EQ(history.readLog().entries, std::vector{Entry("0000000043")});
    EXPECT_EQ(KeptAside(history).size(), 1U);
}

TEST(SendHistoryTest, StatesAreReplacedWholeAndMergedWithWhatIsThere) {
    test::TempDir library;
    SendHistory history(library.path());
    EXPECT_EQ(history.readState("0000000042").records.size(), 0U);
    ASSERT_TRUE(history.updateState("0000000042", [](UnitSendState& state) { state.records[3].unconfirmed = "a"; }));
    ASSERT_TRUE(history.updateState("0000000042", [](UnitSendState& state) { state.records[4].unconfirmed = "b"; }));
    const UnitSendState state = history.readState("0000000042");
    EXPECT_EQ(state.unitId, "0000000042");
    EXPECT_EQ(state.records.at(3).unconfirmed, "a");
    EXPECT_EQ(state.records.at(4).unconfirmed, "b");
    EXPECT_TRUE(history.takeProblems().empty());
}

// Reading a damaged state moves nothing; the next update keeps it aside and begins a new one.
TEST(SendHistoryTest, ADamagedStateIsKeptAsideOnlyByAnUpdate) {
    test::TempDir library;
    SendHistory history(library.path());
    fs::create_directories(history.folder());
    const std::string damaged = "KORU send state 1\r\nUnit=0000000042\r\n-Record 3\r\nAckn";
    test::WriteBytes(history.stateFile("0000000042"), damaged);

    EXPECT_TRUE(history.readState("0000000042").records.empty());
    EXPECT_EQ(history.takeProblems(),
              std::vector<std::string>{"The send state \"" + history.stateFile("0000000042").string() +
                                       "\" cannot be read (it ends early, after line 4), so every group counts as never "
                                       "acknowledged."});
    EXPECT_TRUE(KeptAside(history).empty());

    ASSERT_TRUE(history.updateState("0000000042", [](UnitSendState& state) { state.records[1].unconfirmed = "m"; }));
    const std::vector<fs::path> aside = KeptAside(history);
    ASSERT_EQ(aside.size(), 1U);
    EXPECT_EQ(test::ReadBytes(aside[0]), damaged);
    EXPECT_EQ(history.readState("0000000042").records.at(1).unconfirmed, "m");
    ASSERT_EQ(history.takeProblems().size(), 1U);
}

TEST(SendHistoryTest, AStateOfAnotherUnitIsNotTakenForThisOne) {
    test::TempDir library;
    SendHistory history(library.path());
    ASSERT_TRUE(history.updateState("0000000007", [](UnitSendState& state) { state.records[1].unconfirmed = "m"; }));
    fs::copy_file(history.stateFile("0000000007"), history.stateFile("0000000042"));
    EXPECT_TRUE(history.readState("0000000042").records.empty());
    EXPECT_NE(history.takeProblems().front().find("it holds the state of unit \"0000000007\""), std::string::npos);
}

// Programs appending at once, as from a shared library folder: no entry is lost or torn.
TEST(SendHistoryTest, ConcurrentAppendsFromSeveralProcessesLoseNothing) {
    test::TempDir library;
    constexpr int kProcesses = 6;
    constexpr int kEntries = 50;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SendHistory history(library.path());
            bool all = true;
            for (int i = 0; i < kEntries; ++i) all = history.append(Entry(std::to_string(p), std::to_string(i))) && all;
            ::_exit(all ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    SendHistory history(library.path());
    const SendLogContents log = history.readLog();
    EXPECT_TRUE(log.damagedLines.empty());
    ASSERT_EQ(log.entries.size(), static_cast<std::size_t>(kProcesses * kEntries));
    std::vector<int> next(kProcesses, 0);
    for (const SendLogEntry& entry : log.entries) {
        const int p = std::stoi(entry.unitId);
        EXPECT_EQ(entry.verdict, std::to_string(next[static_cast<std::size_t>(p)]++));  // each process in its order
    }
}

TEST(SendHistoryTest, HistoryUnitIdsAreTenDigitUnitNumbers) {
    EXPECT_EQ(HistoryUnitId("42"), "0000000042");
    EXPECT_EQ(HistoryUnitId(" 0000000042 "), "0000000042");
    EXPECT_EQ(HistoryUnitId("4294967295"), "4294967295");
    EXPECT_FALSE(HistoryUnitId("4294967296"));
    EXPECT_FALSE(HistoryUnitId("12ab"));
    EXPECT_FALSE(HistoryUnitId(""));
}

}  // namespace
}  // namespace koru
