#include <gtest/gtest.h>

#include "model/EventTable.h"
#include "protocol/RecordTable.h"
#include "tests/protocol/StepTexts.h"

namespace koru {
namespace {

using test::AllRecords;
using test::HandOvers;
using test::MessageBoxes;

// Runs records 12 and 13 the way a send does and returns the steps of record 13.
EncoderSteps Pairs(const UnitConfiguration& config) {
    EncodeContext context;
    EncodeActions(config, context);
    return EncodeEventActions(config, context);
}

UnitConfiguration WithTimerActions() {
    UnitConfiguration config;
    config.timerActions = {"Start timer 1", "Stop timer 1", "Restart timer 1", "Timer 1 = 5 s"};
    return config;
}

TEST(Record13, WorkedExample) {
    UnitConfiguration config = WithTimerActions();
    config.ioEvents.masks[0].on = true;
    config.ioEvents.masks[0].actions = {"Start timer 1"};
    config.timerEvents[0].on = true;
    config.timerEvents[0].actions = {"Timer 1 = 5 s", "Stop timer 1", "Stop timer 1"};
    config.commEvent(CommEvent::Online).on = true;
    config.commEvent(CommEvent::Online).actions = {"Restart timer 1"};
    EXPECT_EQ(HandOvers(Pairs(config)),
              std::vector<std::string>{"13:5:0:96:0;13:5:1:80:3;13:5:2:80:1;13:5:3:80:1;13:5:4:91:2;"});
}

TEST(Record13, EventsGoInTheirFixedOrder) {
    UnitConfiguration config = WithTimerActions();
    const TextList one{"Stop timer 1"};
    auto enable = [&](auto& event, TextList& actions) {
        event.on = true;
        actions = one;
    };
    for (CommEvent e : {CommEvent::Online, CommEvent::Offline, CommEvent::OnRadio, CommEvent::RadioError,
                        CommEvent::RadioAck, CommEvent::RadioNak, CommEvent::NoReceipt, CommEvent::OnSerial,
                        CommEvent::SerialError, CommEvent::UnitBooting}) {
        enable(config.commEvent(e), config.commEvent(e).actions);
    }
    config.ioEvents.sleepOn = true;
    config.ioEvents.sleepActions = one;
    enable(config.counterEvents[1], config.counterEvents[1].onCounter);
    config.counterEvents[1].onZero = one;
    enable(config.timerEvents[3], config.timerEvents[3].actions);
    for (auto& type : config.messageEvents.types) enable(type, type.actions);
    enable(config.messageEvents.noMatchRadio, config.messageEvents.noMatchRadio.actions);
    enable(config.messageEvents.noMatchSerial, config.messageEvents.noMatchSerial.actions);
    enable(config.messageEvents.messages[19], config.messageEvents.messages[19].actions);
    enable(config.ioEvents.masks[23], config.ioEvents.masks[23].actions);

    // The event number is the fourth field of each "13:count:pair:event:action;" record.
    std::string events;
    const std::string all = AllRecords(Pairs(config));
    std::size_t start = 0;
    for (std::size_t end = all.find(';'); end != std::string::npos; start = end + 1, end = all.find(';', start)) {
        const std::string record = all.substr(start, end - start);
        std::size_t at = 0;
        for (int field = 0; field < 3; ++field) at = record.find(':', at) + 1;
        events += record.substr(at, record.find(':', at) - at) + " ";
    }
    EXPECT_EQ(events, "119 147 158 159 32 33 34 35 36 37 83 161 177 48 49 50 51 52 91 90 1 16 17 2 ");
    EXPECT_EQ(all.substr(0, 12), "13:24:0:119:");
}

// Every event of the event table the unit has a number for reaches the wire with that number as soon as it is
// on with an action; the others (the remote events) never do.
TEST(Record13, EveryEventOfTheTableReachesTheWireWithItsNumber) {
    for (const EventDescription& event : Events()) {
        for (int item = 0; item < event.items(); ++item) {
            SCOPED_TRACE(event.subsection(item));
            UnitConfiguration config;
            config.counterActions = {"Reset Counter 1"};
            event.on(config, item) = true;
            event.actions(config, item) = {"Reset Counter 1"};
            const std::string expected = event.sent() ? "13:1:0:" + std::to_string(event.eventNumber(item)) + ":0;" : "";
            EXPECT_EQ(AllRecords(Pairs(config)), expected);
        }
    }
}

// The record an event's switch also goes in changes with the switch.
TEST(Record13, AnEventsSwitchAlsoReachesItsOwnRecord) {
    for (const EventDescription& event : Events()) {
        if (event.switchRecord == 0) continue;
        for (int item = 0; item < event.items(); ++item) {
            SCOPED_TRACE(event.subsection(item));
            UnitConfiguration config;
            EncodeContext context;
            const Record record = static_cast<Record>(event.switchRecord);
            const std::string off = AllRecords(EncodeRecord(record, config, context));
            event.on(config, item) = true;
            EXPECT_NE(AllRecords(EncodeRecord(record, config, context)), off);
        }
    }
}

TEST(Record13, DisabledEventsAndUnknownEntries) {
    UnitConfiguration config = WithTimerActions();
    config.timerEvents[0].actions = {"Start timer 1"};  // off: not sent
    config.timerEvents[1].on = true;                   // on, nothing listed: not sent
    config.timerEvents[2].on = true;
    config.timerEvents[2].actions = {"Start timer 9", "Sleep mode", "start timer 1", ""};
    EXPECT_EQ(AllRecords(Pairs(config)), "13:4:0:82:255;13:4:1:82:255;13:4:2:82:255;13:4:3:82:255;");

    config.input.sleepOn = true;
    EXPECT_EQ(AllRecords(Pairs(config)), "13:4:0:82:255;13:4:1:82:4;13:4:2:82:255;13:4:3:82:255;");
}

TEST(Record13, NoEnabledEventHandsOverOneEmptyText) {
    UnitConfiguration config;
    EXPECT_EQ(HandOvers(Pairs(config)), std::vector<std::string>{""});
}

TEST(Record13, MoreThan111PairsWarnsAndSendsThemAll) {
    UnitConfiguration config = WithTimerActions();
    for (int n = 0; n < 14; ++n) {
        config.ioEvents.masks[static_cast<std::size_t>(n)].on = true;
        config.ioEvents.masks[static_cast<std::size_t>(n)].actions = TextList(8, "Stop timer 1");
    }
    const EncoderSteps steps = Pairs(config);
    EXPECT_EQ(MessageBoxes(steps), std::vector<std::string>{kTooManyPairsText});
    ASSERT_EQ(steps.front().kind, EncoderStep::Kind::MessageBox);
    const std::string all = AllRecords(steps);
    EXPECT_EQ(all.rfind("13:112:111:109:1;"), all.size() - 17);
    EXPECT_EQ(all.find("13:112:0:96:1;"), 0u);

    config.ioEvents.masks[0].actions.pop_back();
    EXPECT_TRUE(MessageBoxes(Pairs(config)).empty());
}

TEST(Record13, DeletedActionsNeverKeepANumberFromAnEarlierSend) {
    UnitConfiguration config;
    for (int n = 1; n <= 20; ++n) config.counterActions.push_back("Reset Counter " + std::to_string(n));
    config.timerEvents[0].on = true;
    config.timerEvents[0].actions = {"Reset Counter 15", "Reset Counter 2"};
    EncodeContext context;
    EncodeActions(config, context);
    EXPECT_EQ(AllRecords(EncodeEventActions(config, context)), "13:2:0:80:14;13:2:1:80:1;");

    config.counterActions.resize(10);
    EncodeActions(config, context);
    EXPECT_EQ(AllRecords(EncodeEventActions(config, context)), "13:2:0:80:255;13:2:1:80:1;");
}

TEST(Record13, WithoutRecord12EveryActionIs255) {
    UnitConfiguration config = WithTimerActions();
    config.timerEvents[0].on = true;
    config.timerEvents[0].actions = {"Start timer 1"};
    EncodeContext context;
    EXPECT_EQ(AllRecords(EncodeEventActions(config, context)), "13:1:0:80:255;");
}

}  // namespace
}  // namespace koru
