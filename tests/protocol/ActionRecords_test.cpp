#include <gtest/gtest.h>

#include <functional>

#include "protocol/RecordEncoders.h"
#include "tests/protocol/StepTexts.h"

namespace koru {
namespace {

using test::AllRecords;
using test::HandOvers;
using test::LogEntries;

TEST(Record10, TypeAndFirstThirtyCharactersOfEachText) {
    UnitConfiguration config;
    config.messageActions.messages[4] = {"Alarm", "Hello"};
    config.messageActions.messages[5] = {"alarm", "0123456789012345678901234567890123"};
    config.messageActions.messages[6] = {"Message", "say \"hi\""};
    EncodeContext context;
    const std::string all = AllRecords(EncodeSentMessages(config, context));
    EXPECT_EQ(all.substr(0, 10), "10:0:N:\"\";");
    EXPECT_NE(all.find("10:4:A:\"Hello\";10:5:N:\"012345678901234567890123456789\";10:6:N:\"say \"hi\"\";"),
              std::string::npos);
}

struct PatternCase {
    const char* entry;
    const char* record;
    std::vector<std::string> log = {};
};

TEST(Record11, OutputsFillTheUpperByteFlagsTheSecondField) {
    const PatternCase cases[] = {
        {"Set: 1T0- --------", "11:0:D800:0000;"},
        {"Set: ---- 0-------", "11:0:0000:8000;"},
        {"Set: ---- -------1", "11:0:0000:0003;"},
        {"Send: 1111 TTTTTTTT to 0000000042(X)", "11:0:FF00:5555;"},
        {"Set: t--- x-------", "11:0:0000:0000;"},
        {"Set: 1T0- ----", "11:0:D800:0000;"},          // a short flag part counts as "-"
        {"Set: 1T0-", "11:0:;", {"Error in set_param11(): Subscript out of range\r\n"}},
    };
    for (const auto& c : cases) {
        UnitConfiguration config;
        config.outputFlagActions = {c.entry};
        EncodeContext context;
        const EncoderSteps steps = EncodeOutputFlagPatterns(config, context);
        EXPECT_EQ(AllRecords(steps), c.record) << c.entry;
        EXPECT_EQ(LogEntries(steps), c.log) << c.entry;
    }
}

TEST(Record11, NoActionsHandsOverOneEmptyText) {
    UnitConfiguration config;
    EncodeContext context;
    EXPECT_EQ(HandOvers(EncodeOutputFlagPatterns(config, context)), std::vector<std::string>{""});
}

TEST(Record12, WorkedExampleWithSevenActions) {
    UnitConfiguration config;
    config.messageActions.actions = {"Send: Message 3 to 1234"};
    config.outputFlagActions = {"Set: 1T0- --------", "Send: 1111 00000000 to [General Broadcast]"};
    config.timerActions = {"Start timer 4", "Timer 2 = 5 s", "Stop timer 1"};
    config.input.sleepOn = true;
    EncodeContext context;
    const EncoderSteps steps = EncodeActions(config, context);
    const std::vector<std::string> expected{
        "12:7:0:11:000004D2:002;",
        "12:7:1:9::000;12:7:2:10:FFFFFFFF:001;",
        "12:7:3:2::003;12:7:4:1:00000032:001;12:7:5:3::000;",
        "12:7:6:12:00000000:2;",
    };
    EXPECT_EQ(HandOvers(steps), expected);
    EXPECT_TRUE(LogEntries(steps).empty());
    EXPECT_EQ(context.actionTable.find("Timer 2 = 5 s"), "4");
    EXPECT_EQ(context.actionTable.find("Sleep mode"), "6");
}

struct DefinitionCase {
    const char* name;
    std::function<void(UnitConfiguration&)> edit;
    const char* records;
    std::vector<std::string> log = {};
};

TEST(Record12, OneDefinitionPerEntryForm) {
    const DefinitionCase cases[] = {
        {"message 20", [](UnitConfiguration& c) { c.messageActions.actions = {"Send: Message 20 to [Serial port]"}; },
         "12:1:0:11:00000000:019;"},
        {"message 1 to the upper unit", [](UnitConfiguration& c) {
             c.network.upperUnit = "0000000017(Up)";
             c.messageActions.actions = {"Send: Message 1 to [Upper unit]"};
         }, "12:1:0:11:00000011:000;"},
        {"message to a unit entry", [](UnitConfiguration& c) {
             c.messageActions.actions = {"Send: Message 2 to 0000000042(Pump house)"};
         }, "12:1:0:11:0000002A:001;"},
        {"message action without destination", [](UnitConfiguration& c) {
             c.messageActions.actions = {"Send: Message 3"};
         }, "12:1:0:11:", {"Error in set_param12(): Subscript out of range\r\n"}},
        {"set counter", [](UnitConfiguration& c) { c.counterActions = {"Counter 2 = 255"}; }, "12:1:0:5:000000FF:001;"},
        {"reset counter", [](UnitConfiguration& c) { c.counterActions = {"Reset Counter 3"}; }, "12:1:0:6::002;"},
        {"increase counter", [](UnitConfiguration& c) { c.counterActions = {"Increase Counter 1 with 5"}; },
         "12:1:0:7:00000005:000;"},
        {"decrease counter", [](UnitConfiguration& c) { c.counterActions = {"Decrease Counter 4 with 2"}; },
         "12:1:0:8:00000002:003;"},
        {"restart timer", [](UnitConfiguration& c) { c.timerActions = {"Restart timer 2"}; }, "12:1:0:4::001;"},
        {"timer in ms", [](UnitConfiguration& c) { c.timerActions = {"Timer 4 = 500 ms"}; }, "12:1:0:1:00000005:003;"},
        {"unknown timer word", [](UnitConfiguration& c) { c.timerActions = {"Pause timer 1"}; },
         "12:1:0:internal error::000;"},
        {"long timer entry of another kind is closed empty", [](UnitConfiguration& c) {
             c.timerActions = {"Start 1 = 5 s"};
         }, "12:1:0:2::;"},
        {"long unknown timer entry", [](UnitConfiguration& c) { c.timerActions = {"Pause 1 = 5 s"}; },
         "12:1:0:internal error::;"},
        {"unknown counter word", [](UnitConfiguration& c) { c.counterActions = {"Clear Counter 1"}; },
         "12:1:0:internal error::000;"},
        {"sleep mode only", [](UnitConfiguration& c) { c.input.sleepOn = true; }, "12:1:0:12:00000000:2;"},
    };
    for (const auto& c : cases) {
        UnitConfiguration config;
        c.edit(config);
        EncodeContext context;
        const EncoderSteps steps = EncodeActions(config, context);
        EXPECT_EQ(AllRecords(steps), c.records) << c.name;
        EXPECT_EQ(LogEntries(steps), c.log) << c.name;
    }
}

TEST(Record12, NoActionsHandsOverFourEmptyTexts) {
    UnitConfiguration config;
    EncodeContext context;
    EXPECT_EQ(HandOvers(EncodeActions(config, context)), std::vector<std::string>(4, ""));
}

TEST(Record12, ActionsBeyondTheTableAreSentButNotNumbered) {
    UnitConfiguration config;
    for (int n = 0; n < 115; ++n) config.counterActions.push_back("Reset Counter " + std::to_string(n));
    EncodeContext context;
    const EncoderSteps steps = EncodeActions(config, context);
    EXPECT_EQ(LogEntries(steps), std::vector<std::string>(2, "Error in set_param12(): Subscript out of range\r\n"));
    const std::string all = AllRecords(steps);
    EXPECT_NE(all.find("12:115:114:6::113;"), std::string::npos);
    EXPECT_EQ(context.actionTable.find("Reset Counter 111"), "111");
    EXPECT_EQ(context.actionTable.find("Reset Counter 112"), "255");  // stored, never searched
    EXPECT_EQ(context.actionTable.find("Reset Counter 113"), "255");  // never stored
}

}  // namespace
}  // namespace koru
