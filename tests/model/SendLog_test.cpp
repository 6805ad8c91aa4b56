#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/SendLog.h"
#include "tests/support/NamedCase.h"

namespace koru {
namespace {

using test::PrintTo;

SendLogEntry CleanEntry() {
    return {"2026-12-07T06:30:12+01:00",
            "0000000042",
            "Pump",
            "/dev/ttyUSB0",
            {"general", "radio"},
            "Selected parameters saved in Koru",
            {{"general", "acknowledged"}, {"radio", "acknowledged"}},
            "korucfg 1.3"};
}

struct EntryCase {
    const char* name;
    SendLogEntry entry;
};

class SendLogRoundTripTest : public ::testing::TestWithParam<EntryCase> {};

// What a line holds reads back the same, however awkward the texts: one entry, one line.
TEST_P(SendLogRoundTripTest, ReadsBackWhatWasWritten) {
    const std::string line = SendLogLine(GetParam().entry);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    EXPECT_EQ(ParseSendLogLine(line), GetParam().entry) << line;
}

SendLogEntry With(void (*change)(SendLogEntry&)) {
    SendLogEntry entry = CleanEntry();
    change(entry);
    return entry;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SendLogRoundTripTest,
    ::testing::Values(
        EntryCase{"Clean", CleanEntry()},
        EntryCase{"AliasWithCommaAndQuotes", With([](SendLogEntry& e) { e.alias = "Pump \"North\", west"; })},
        EntryCase{"Windows1252Alias", With([](SendLogEntry& e) { e.alias = "Pumpstation S\xFC" "d \x80"; })},
        EntryCase{"BlanksAtTheEnds", With([](SendLogEntry& e) { e.device = " /dev/my port "; })},
        EntryCase{"FailedGroups",
                  With([](SendLogEntry& e) {
                      e.verdict = "An error occured while communicating with Koru unit ";
                      e.outcomes = {{"network", "error report E12 (record 15, packet 1 of 1)"},
                                    {"radio", "not sent"}};
                  })},
        EntryCase{"EmptyFields", With([](SendLogEntry& e) {
                      e.alias.clear();
                      e.groups.clear();
                      e.outcomes.clear();
                  })}),
    test::RowName());

TEST(SendLogTest, ALineWithALineBreakInATextStaysOneLine) {
    SendLogEntry entry = CleanEntry();
    entry.device = "/dev/a\nb";
    const std::string line = SendLogLine(entry);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(ParseSendLogLine(line)->device, "/dev/a b");
}

// A line cut anywhere (a killed program, a full disk) or changed anywhere is known as damaged.
TEST(SendLogTest, EveryCutOrChangedLineIsDamaged) {
    const std::string line = SendLogLine(CleanEntry());
    for (std::size_t length = 0; length < line.size(); ++length) {
        EXPECT_FALSE(ParseSendLogLine(line.substr(0, length))) << length;
    }
    for (std::size_t at = 0; at < line.size(); ++at) {
        std::string changed = line;
        changed[at] = changed[at] == 'x' ? 'y' : 'x';
        EXPECT_FALSE(ParseSendLogLine(changed)) << at;
    }
}

TEST(SendLogTest, AReaderSkipsDamagedLinesAndNamesThem) {
    const std::string good = SendLogLine(CleanEntry());
    const std::string log = std::string(kSendLogHeader) + "\r\n" + good + "\r\n" + good.substr(0, 40) + "\r\n\r\n" +
                            good + "\n" + good.substr(0, 17);
    const SendLogContents contents = ReadSendLog(log);
    EXPECT_FALSE(contents.problem);
    EXPECT_EQ(contents.entries, std::vector<SendLogEntry>(2, CleanEntry()));
    EXPECT_EQ(contents.damagedLines, (std::vector<std::size_t>{3, 6}));
}

struct HeaderCase {
    const char* name;
    std::string bytes;
    const char* problem;  // empty: the file is a log
};

class SendLogHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(SendLogHeaderTest, TheFirstLineSaysWhetherItIsALogOfThisVersion) {
    const SendLogContents contents = ReadSendLog(GetParam().bytes);
    EXPECT_EQ(contents.problem.value_or(""), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, SendLogHeaderTest,
    ::testing::Values(HeaderCase{"Empty", "", ""},
                      HeaderCase{"HeaderOnly", std::string(kSendLogHeader) + "\r\n", ""},
                      HeaderCase{"HeaderWithoutLineEnd", std::string(kSendLogHeader), ""},
                      HeaderCase{"Newer", "Time,Unit,Alias,Device,Groups,Verdict,Outcomes,Port,Program,Check\r\n",
                                 "it was written by a newer version of the program"},
                      HeaderCase{"UnitFile", "-Unit\r\nId=42\r\n", "it is not a send log"},
                      HeaderCase{"Binary", std::string("\0\xFF\x01", 3), "it is not a send log"}),
    test::RowName());

}  // namespace
}  // namespace koru
