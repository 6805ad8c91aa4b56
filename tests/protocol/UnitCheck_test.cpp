#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "protocol/UnitCheck.h"

namespace koru {
namespace {

std::vector<std::string> Lines(const UnitConfiguration& config) {
    std::vector<std::string> lines;
    for (const CheckFinding& finding : CheckUnit(config)) lines.push_back(DescribeFinding(finding));
    return lines;
}

struct CheckCase {
    const char* name;
    std::function<void(UnitConfiguration&)> edit;
    std::vector<std::string> lines;
};

TEST(CheckUnit, SettingsOutsideTheEditorsChoicesAndForms) {
    const CheckCase cases[] = {
        {"protocol text that loses its field", [](UnitConfiguration& c) { c.radio.protocol = "abc"; },
         {"Radio, Protocol: \"abc\" is not one of the editor's choices"}},
        {"parity and serial protocol in the wrong case", [](UnitConfiguration& c) {
             c.serial.parity = "odd";
             c.serial.serialProtocol = "foo";
         }, {"Serial, Parity: \"odd\" is not one of the editor's choices",
             "Serial, Serial protocol: \"foo\" is not one of the editor's choices"}},
        {"retransmissions sent as their remainder", [](UnitConfiguration& c) { c.radio.retransmitt = "300"; },
         {"Radio, Retransmitt: \"300\" is not one of the editor's choices"}},
        {"message type", [](UnitConfiguration& c) { c.messageActions.messages[1].type = "alarm"; },
         {"Message action, +Message2: Type \"alarm\" is not one of the editor's choices"}},
        {"timer and ping units", [](UnitConfiguration& c) {
             c.timers[3].unit = "sec";
             c.network.userPingUnit = "";
         }, {"Timer, +Timer4: Unit \"sec\" is not one of the editor's choices",
             "Network, User ping unit: \"\" is not one of the editor's choices"}},
        {"action entries the editor never creates", [](UnitConfiguration& c) {
             c.timerActions = {"Start timer 1001", "Foo timer 2 x y", "Timer 2 = 5 s"};
             c.counterActions = {"Reset Counter 7", "Increase Counter 2 with", "Decrease Counter 1 with 3"};
             c.outputFlagActions = {"Set: 1T0- --------", "Set: 1T0-"};
             c.messageActions.actions = {"Send: Message 21 to [Serial port]", "Send: Message 2 to [Serial port]"};
         }, {"Message action, Send: Message 21 to [Serial port]: not an action the editor creates; its records do not carry it as written",
             "Output Flag action, Set: 1T0-: not an action the editor creates; its records do not carry it as written",
             "Timer action, Start timer 1001: not an action the editor creates; its records do not carry it as written",
             "Timer action, Foo timer 2 x y: not an action the editor creates; its records do not carry it as written",
             "Counter action, Reset Counter 7: not an action the editor creates; its records do not carry it as written",
             "Counter action, Increase Counter 2 with: not an action the editor creates; its records do not carry it as written"}},
    };
    for (const CheckCase& c : cases) {
        UnitConfiguration config;
        c.edit(config);
        const std::vector<std::string> lines = Lines(config);
        for (const std::string& expected : c.lines) {
            EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << c.name << ": " << expected;
        }
    }
}

TEST(CheckUnit, ANewUnitLacksOnlyItsId) {
    UnitConfiguration config;
    EXPECT_EQ(Lines(config), std::vector<std::string>{"Unit, Id: \"\" is not a decimal unit number from 0 to 4294967295"});
    config.unit.id = "0000000042";
    EXPECT_TRUE(CheckUnit(config).empty());
}

TEST(CheckUnit, ReportsWhatTheUnitWouldNotReceiveAsShown) {
    const CheckCase cases[] = {
        {"overflowing unit ID", [](UnitConfiguration& c) { c.unit.id = "9999999999"; },
         {"Unit, Id: \"9999999999\" is not a decimal unit number from 0 to 4294967295"}},
        {"counter that cannot be sent", [](UnitConfiguration& c) { c.counters[2].counter = "many"; },
         {"Counter, +Counter3: Error in set_param14(): Type mismatch"}},
        {"event entry without action", [](UnitConfiguration& c) {
             c.timerActions = {"Stop timer 1"};
             c.ioEvents.masks[4].on = true;
             c.ioEvents.masks[4].actions = {"Stop timer 1", "Stop timer 2"};
             c.ioEvents.masks[5].actions = {"Stop timer 3"};  // off: never sent
         }, {"I/O event, +Mask5: action \"Stop timer 2\" names no defined action (sent as 255)"}},
        {"sleep mode action while sleep mode is off", [](UnitConfiguration& c) {
             c.commEvent(CommEvent::Offline).on = true;
             c.commEvent(CommEvent::Offline).actions = {"Sleep mode"};
         }, {"Communication event, +Offline: action \"Sleep mode\" names no defined action (sent as 255)"}},
        {"packet over the line limit", [](UnitConfiguration& c) { c.messageEvents.messages[2].text = std::string(100, 'x'); },
         {"Message event, +Message3: packet of 164 characters exceeds the line limit of 139 (\"Packet length exceeded\")",
          "Message event, +Message3: text longer than 30 characters"}},
        {"mask cells", [](UnitConfiguration& c) {
             c.ioEvents.masks[0].flags[7] = "T";
             c.ioEvents.masks[1].outputs[0] = "t";
         }, {"I/O event, +Mask1: Flags cell 8 \"T\" is sent as no condition",
             "I/O event, +Mask2: Output cell 1 \"t\" is not -, 0, 1 or T; sent as no condition"}},
        {"editor number rules", [](UnitConfiguration& c) {
             c.radio.channel = "82";
             c.radio.retransmissionMinTime = "205";
             c.timers[0] = {"150", "ms"};
             c.timers[1] = {"4001", "s"};
             c.counters[0].counter = "-1";
             c.network.userPingTime = "";
         }, {"Radio, Retransmission min time: \"205\" ms is not a multiple of 10 from 0 to 2500",
             "Network, User ping time: \"\" is not a number; sent as 1 s",
             "Timer, +Timer1: time \"150\" ms is not a multiple of 100",
             "Timer, +Timer2: time \"4001\" is outside 0 to 4000",
             "Counter, +Counter1: \"-1\" is outside 0 to 999999999",
             "Radio, Channel: \"82\" is outside 0 to 81"}},
        {"inputs read leniently", [](UnitConfiguration& c) {
             c.input.inputs[1].on = true;
             c.input.inputs[1].scale = "2x";
             c.input.inputs[2].offset = "junk";  // off: not sent
         }, {"Input, +Input2: Scale \"2x\" is not a number; read as 2"}},
        {"texts", [](UnitConfiguration& c) {
             c.messageActions.messages[0].text = std::string(31, 'y');
             c.messageEvents.messages[1].text = "say \"hi\"";
         }, {"Message event, +Message2: Text holds the double quote (\"), which ends the quoted text; a record "
             "cannot carry it",
             "Message action, +Message1: text cut to its first 30 characters"}},
    };
    for (const auto& c : cases) {
        UnitConfiguration config;
        config.unit.id = "0000000042";
        c.edit(config);
        std::vector<std::string> lines = Lines(config);
        std::vector<std::string> expected = c.lines;
        std::sort(lines.begin(), lines.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(lines, expected) << c.name;
    }
}

TEST(CheckUnit, TooManyActionsAndPairs) {
    UnitConfiguration config;
    for (int n = 0; n < 113; ++n) config.counterActions.push_back("Reset Counter " + std::to_string(n));
    config.ioEvents.masks[0].on = true;
    config.ioEvents.masks[0].actions = TextList(112, "Reset Counter 0");
    const std::vector<std::string> lines = Lines(config);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Actions: 113 actions: events can only name the first 112"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Events: Total number of event-actions combinations exceeded maximum (111)"),
              lines.end());
}

}  // namespace
}  // namespace koru
