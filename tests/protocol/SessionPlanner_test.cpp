#include <gtest/gtest.h>

#include "protocol/PacketRules.h"
#include "protocol/RecordTable.h"
#include "protocol/SendGroupTable.h"
#include "protocol/SessionHeader.h"
#include "protocol/SessionPlanner.h"
#include "tests/support/Selections.h"

namespace koru {
namespace {

const std::string kHeader = "ORVEN_AB_KORU_SETUP;0000002A;";
const std::string kStart = kHeader + "START;" + std::string(137 - 35, ' ') + "\r\n";
const std::string kEnd = kHeader + "END;\r\n";

UnitConfiguration Unit42() {
    UnitConfiguration config;
    config.unit.id = "0000000042";
    return config;
}

using test::Records;
using enum Record;

TEST(SessionHeader, NamesTheUnitInHex) {
    const SessionHeader header = BuildSessionHeader(Unit42());
    EXPECT_EQ(header.text, kHeader);
    EXPECT_EQ(header.text.size(), 29u);
    EXPECT_TRUE(header.steps.empty());
}

TEST(PacketRules, LinesAndLengthLimit) {
    EXPECT_EQ(StartLine(kHeader).size(), kLineLimit);
    EXPECT_EQ(StartLine(kHeader), kStart);
    EXPECT_EQ(PacketLine(kHeader, "END;"), kEnd);
    EXPECT_FALSE(ExceedsLengthLimit(std::string(108, 'x'), 29));
    EXPECT_TRUE(ExceedsLengthLimit(std::string(109, 'x'), 29));
    EXPECT_FALSE(ExceedsLengthLimit(std::string(116, 'x'), 21));
}

TEST(PlanSession, GroupsOneAndThree) {
    const SessionTranscript plan = PlanSession(Unit42(), Records({General, Radio}));
    EXPECT_EQ(plan.bytes, kStart + kHeader + "1:\"\":0:1;\r\n" + kHeader + "3:0:0:0:0:0:3:20:60::0;\r\n" + kEnd);
    EXPECT_EQ(plan.verdict, kVerdictSaved);
    EXPECT_TRUE(plan.saved());
    EXPECT_DOUBLE_EQ(plan.errorScore, 2 - 0.6);
    EXPECT_TRUE(plan.diagnostics.empty());
}

TEST(PlanSession, ScoreStartsHighForSmallSelectionsAndFallsPerAcknowledgement) {
    struct ScoreCase {
        const char* name;
        SendSelection selection;
        int packets;
        double score;
        const char* verdict;
    };
    const ScoreCase cases[] = {
        {"radio only", SendSelection::Of(*ParseSendGroups("radio")), 1, 3 - 0.3, kVerdictSaved},
        {"nothing selected", SendSelection{}, 0, 4, kVerdictFailed},
        {"output/flag actions of an empty unit", SendSelection::Of(*ParseSendGroups("output-flag-actions")),
         0, 1, kVerdictSaved},
        {"everything", SendSelection::Of(SendGroups::All()), 19, -19 * 0.3, kVerdictSaved},
    };
    for (const auto& c : cases) {
        const SessionTranscript plan = PlanSession(Unit42(), c.selection);
        std::size_t lines = 0;
        for (std::size_t at = plan.bytes.find("\r\n"); at != std::string::npos; at = plan.bytes.find("\r\n", at + 1)) {
            ++lines;
        }
        EXPECT_EQ(lines, static_cast<std::size_t>(c.packets) + 2) << c.name;
        EXPECT_NEAR(plan.errorScore, c.score, 1e-9) << c.name;
        EXPECT_EQ(plan.verdict, c.verdict) << c.name;
        EXPECT_EQ(plan.bytes.substr(plan.bytes.size() - kEnd.size()), kEnd) << c.name;
    }
}

TEST(PlanSession, APacketOverTheLimitIsWrittenAndStopsTheSession) {
    UnitConfiguration config = Unit42();
    config.unit.alias = std::string(100, 'A');
    const SessionTranscript plan = PlanSession(config, Records({General, Radio}));
    EXPECT_EQ(plan.bytes, kStart + kHeader + "1:\"" + config.unit.alias + "\":0:1;\r\n");
    EXPECT_TRUE(plan.stoppedEarly);
    EXPECT_FALSE(plan.saved());
    EXPECT_EQ(plan.verdict, "");
    EXPECT_EQ(plan.diagnostics, std::vector<std::string>{"Packet length exceeded"});
}

TEST(PlanSession, OnlyTheLastHandOverOfAGroupDecides) {
    // A long received text makes a middle packet of record 7 too long; the group's last hand-over is
    // empty and succeeds, so the session goes on.
    UnitConfiguration config = Unit42();
    config.messageEvents.messages[0].text = std::string(100, 'x');
    const SessionTranscript plan = PlanSession(config, Records({ReceivedMessages, General}));
    EXPECT_FALSE(plan.stoppedEarly);
    EXPECT_EQ(plan.verdict, kVerdictSaved);
    EXPECT_EQ(plan.diagnostics, std::vector<std::string>{"Packet length exceeded"});
    EXPECT_NE(plan.bytes.find(kHeader + "7:0:0:S:\"" + config.messageEvents.messages[0].text + "\";\r\n"),
              std::string::npos);
}

TEST(PlanSession, AnAliasWithAbortIsSentNormally) {
    UnitConfiguration config = Unit42();
    config.unit.alias = "ABORT PUMP";
    const SessionTranscript plan = PlanSession(config, Records({General}));
    EXPECT_EQ(plan.bytes, kStart + kHeader + "1:\"ABORT PUMP\":0:1;\r\n" + kEnd);
    EXPECT_TRUE(plan.saved());
}

TEST(PlanSession, DiagnosticsComeInOrderWithoutLineBreaks) {
    UnitConfiguration config;
    config.unit.id = "9999999999";
    config.radio.retransmissionMinTime = "";
    config.serial.endOfText = "13,10";
    const SessionTranscript plan = PlanSession(config, Records({Radio, Serial}));
    const std::vector<std::string> expected{
        "Overflow in Hex-conversion ( 9999999999)",
        "Error in set_param3(): Type mismatch",
        "Error in set_param4(): Invalid procedure call or argument",
    };
    EXPECT_EQ(plan.diagnostics, expected);
    // The short header moves the hand-over threshold and the length limit with it.
    EXPECT_EQ(plan.bytes.substr(0, 27), "ORVEN_AB_KORU_SETUP;;START;");
    EXPECT_NE(plan.bytes.find("ORVEN_AB_KORU_SETUP;;3:0:0:0:0:0:3:60::0;\r\n"), std::string::npos);
}

TEST(SendGroupNames, ParsesTheVisibleBoxes) {
    const auto groups = ParseSendGroups(" network , tcc-events,,");
    ASSERT_TRUE(groups.has_value());
    const SendSelection selection = SendSelection::Of(*groups);
    for (const RecordDescription& row : RecordsInSendOrder()) {
        const Record record = row.record;
        EXPECT_EQ(selection.has(record), record == Network || record == Peers || record == Timers || record == Counters)
            << RecordNumber(record);
    }
    std::string unknown;
    EXPECT_FALSE(ParseSendGroups("radio,remote-events", &unknown).has_value());
    EXPECT_EQ(unknown, "remote-events");
    EXPECT_EQ(SendSelection::Of(*ParseSendGroups("")).count(), 0);
    EXPECT_EQ(SendSelection::Of(*ParseSendGroups("message-actions")).count(), 3);
}

}  // namespace
}  // namespace koru
