#include <gtest/gtest.h>

#include <functional>

#include "protocol/SendPreflight.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/Selections.h"

namespace koru {
namespace {

using enum Record;

std::vector<std::string> Reasons(const UnitConfiguration& config, const SendSelection& selection = test::Everything()) {
    std::vector<std::string> lines;
    for (const CheckFinding& reason : SendPreflight(config, selection)) lines.push_back(DescribeFinding(reason));
    return lines;
}

TEST(SendPreflight, OnlyDecimalUnitNumbersAddressAUnit) {
    for (const char* id : {"0", "42", "0000000042", "4294967295", "00004294967295"}) {
        EXPECT_TRUE(IsUnitId(id)) << id;
    }
    // Each of these went to another unit on the same radio network: 0x10 to 0, 12ab to 12, -5 to
    // FFFFFFFB, 1e3 to 1000.
    for (const char* id : {"0x10", "12ab", "-5", "1e3", "", " 42", "+42", "4.0", "4294967296", "99999999999"}) {
        EXPECT_FALSE(IsUnitId(id)) << id;
        UnitConfiguration config;
        config.unit.id = id;
        EXPECT_EQ(Reasons(config), std::vector<std::string>{"Unit, Id: \"" + std::string(id) +
                                                            "\" is not a decimal unit number from 0 to 4294967295"});
    }
}

struct ReasonCase {
    const char* name;
    std::function<void(UnitConfiguration&)> edit;
    SendSelection selection;
    std::vector<std::string> reasons;
};

TEST(SendPreflight, ListsEveryRecordThatCannotBeSentAsShown) {
    const ReasonCase cases[] = {
        {"a new unit with an ID", [](UnitConfiguration&) {}, test::Everything(), {}},
        // The timer's record would lose its time field and its ";", and run into the next record.
        {"time that fails to encode", [](UnitConfiguration& c) { c.timers[0] = {"-1e400", "s"}; }, test::Everything(),
         {"Timer, +Timer1: Error in set_param8(): Overflow"}},
        {"the same timer when the timers are not sent", [](UnitConfiguration& c) { c.timers[0] = {"-1e400", "s"}; },
         test::Records({Radio}), {}},
        {"destination beyond the largest unit number", [](UnitConfiguration& c) {
             c.messageActions.actions = {"Send: Message 1 to 9999999999(Far)"};
         }, test::Records({SentMessages, Actions, EventActions}),
         {"Message action, Send: Message 1 to 9999999999(Far): Overflow in Hex-conversion ( 9999999999)"}},
        {"alias over the line limit", [](UnitConfiguration& c) { c.unit.alias = std::string(200, 'x'); },
         test::Records({General}),
         {"Unit: packet of 240 characters exceeds the line limit of 139 (\"Packet length exceeded\")"}},
        {"every reason at once", [](UnitConfiguration& c) {
             c.unit.id = "12ab";
             c.counters[1].counter = "lots";
             c.unit.alias = std::string(120, 'x');
         }, test::Everything(),
         {"Unit, Id: \"12ab\" is not a decimal unit number from 0 to 4294967295",
          "Unit: packet of 160 characters exceeds the line limit of 139 (\"Packet length exceeded\")",
          "Counter, +Counter2: Error in set_param14(): Type mismatch"}},
    };
    for (const ReasonCase& c : cases) {
        UnitConfiguration config;
        config.unit.id = "0000000042";
        c.edit(config);
        EXPECT_EQ(Reasons(config, c.selection), c.reasons) << c.name;
    }
}

// The records carry the alias and the message texts between double quotes, nothing escaped: a quote would
// end the text early, ";" the record, ":" a field, a line break the line. Such a text was sent and the
// session reported "saved" while the unit got something else.
TEST(SendPreflight, TextsTheRecordsCannotCarryAreReasons) {
    const ReasonCase cases[] = {
        {"quote in the alias", [](UnitConfiguration& c) { c.unit.alias = "Pump \"A\""; }, test::Records({General}),
         {"Unit: Alias holds the double quote (\"), which ends the quoted text; a record cannot carry it"}},
        {"separators in the alias", [](UnitConfiguration& c) { c.unit.alias = "P;1:2;"; }, test::Records({General}),
         {"Unit: Alias holds \";\", which ends a record; a record cannot carry it",
          "Unit: Alias holds \":\", which separates a record's fields; a record cannot carry it"}},
        {"line breaks in a received text", [](UnitConfiguration& c) { c.messageEvents.messages[2].text = "a\rb\nc"; },
         test::Records({ReceivedMessages}),
         {"Message event, +Message3: Text holds a carriage return (CR), which ends the line; a record cannot carry it",
          "Message event, +Message3: Text holds a line feed (LF), which ends the line; a record cannot carry it"}},
        {"received text of an event that is off: still sent",
         [](UnitConfiguration& c) { c.messageEvents.messages[19].text = "x:y"; }, test::Records({ReceivedMessages}),
         {"Message event, +Message20: Text holds \":\", which separates a record's fields; a record cannot carry "
          "it"}},
        {"text to send", [](UnitConfiguration& c) { c.messageActions.messages[0].text = "Level \"<I1>\""; },
         test::Records({SentMessages, Actions, EventActions}),
         {"Message action, +Message1: Text holds the double quote (\"), which ends the quoted text; a record cannot "
          "carry it"}},
        {"beyond the 30 characters a text to send is cut to", [](UnitConfiguration& c) {
             c.messageActions.messages[0].text = std::string(30, 'a') + ";\"";
         }, test::Records({SentMessages, Actions, EventActions}), {}},
        {"groups that are not sent", [](UnitConfiguration& c) {
             c.unit.alias = "A;B";
             c.messageEvents.messages[0].text = "\"";
         }, test::Records({Radio}), {}},
    };
    for (const ReasonCase& c : cases) {
        UnitConfiguration config;
        config.unit.id = "0000000042";
        c.edit(config);
        EXPECT_EQ(Reasons(config, c.selection), c.reasons) << c.name;
    }
}

// The unit holds 111 event-action pairs; more are still sent as they are, so a send may start.
TEST(SendPreflight, TooManyPairsIsAWarningNotAReason) {
    UnitConfiguration config;
    config.unit.id = "0000000042";
    config.counterActions = {"Reset Counter 1"};
    config.ioEvents.masks[0].on = true;
    config.ioEvents.masks[0].actions = TextList(112, "Reset Counter 1");
    EXPECT_TRUE(SendPreflight(config).empty());
    const std::vector<SendFinding> replay = ReplaySend(config, test::Everything());
    ASSERT_EQ(replay.size(), 1u);
    EXPECT_EQ(replay[0].finding.message, "Total number of event-actions combinations exceeded maximum (111)");
    EXPECT_FALSE(replay[0].blocking);
}

// The busiest unit the tests send stays within everything the unit takes.
TEST(SendPreflight, TheBusiestUnitIsSentWithoutAnyFinding) {
    EXPECT_TRUE(ReplaySend(test::FullUnit(), test::Everything()).empty());
}

}  // namespace
}  // namespace koru
