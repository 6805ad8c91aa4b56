#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/UnitFile.h"

namespace koru {
namespace {

struct ReaderCase {
    const char* name;
    std::string file;  // applied over a new configuration
    std::function<void(const UnitConfiguration&)> check;
};

UnitConfiguration Loaded(const std::string& text, UnitConfiguration config = {}) {
    const auto error = LoadUnitText(text, config, "test.kuf");
    EXPECT_FALSE(error.has_value()) << error->describe();
    return config;
}

void RunCases(const std::vector<ReaderCase>& cases) {
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(Loaded(c.file));
    }
}

TEST(ReaderLoop, LinesAndSections) {
    RunCases({
        {"key lines before any heading are ignored", "Channel=9\n-Radio\n",
         [](const auto& c) { EXPECT_EQ(c.radio.channel, "0"); }},
        {"unknown section ignores its lines", "-Serial\n-Radios\nChannel=9\n",
         [](const auto& c) { EXPECT_EQ(c.radio.channel, "0"); }},
        {"a blank after the dash names another section", "-Serial\n- Radio\nChannel=9\n",
         [](const auto& c) { EXPECT_EQ(c.radio.channel, "0"); }},
        {"section names are case-sensitive", "-Serial\n-radio\nChannel=9\n",
         [](const auto& c) { EXPECT_EQ(c.radio.channel, "0"); }},
        {"keys are case-sensitive", "-Radio\nchannel=9\n", [](const auto& c) { EXPECT_EQ(c.radio.channel, "0"); }},
        {"a dash value changes nothing", "-Unit\nAlias=-\nId=-\n-Radio\nChannel=-\n",
         [](const auto& c) {
             EXPECT_EQ(c.unit.alias, "");
             EXPECT_EQ(c.radio.channel, "0");
         }},
        {"a repeated section is applied again, the later line wins", "-Radio\nChannel=1\n-Serial\n-Radio\nChannel=2\n",
         [](const auto& c) { EXPECT_EQ(c.radio.channel, "2"); }},
        {"an indented heading still counts after trimming", "  -Radio\n  Channel=4\n",
         [](const auto& c) { EXPECT_EQ(c.radio.channel, "4"); }},
        {"a tab-indented key is not a key", "-Radio\n\tChannel=4\n",
         [](const auto& c) { EXPECT_EQ(c.radio.channel, "0"); }},
        {"lines that cleaning changes keep their own values, applied after the whole file is read",
         "-Unit\nAlias=Pu\tmp\rNord\r\n-Radio\nChan\tnel=1\r2\r\n-Serial\n-Unit\nId=-\n",
         [](const auto& c) {
             EXPECT_EQ(c.unit.alias, "PumpNord");
             EXPECT_EQ(c.radio.channel, "12");
         }},
        {"GSM and Web ignore their lines", "-GSM\nChannel=1\n-Web\nAlias=x\n",
         [](const auto& c) {
             EXPECT_EQ(c.radio.channel, "0");
             EXPECT_EQ(c.unit.alias, "");
         }},
        {"a selection carries over repeated occurrences of a section",
         "-Timer\n+Timer3\n-Radio\n-Timer\nTime=9\n", [](const auto& c) { EXPECT_EQ(c.timers[2].time, "9"); }},
    });
}

TEST(SetupReaders, NetworkAndRadioRules) {
    RunCases({
        {"setup units flags and unit text", "-Network\nSetup units=1,0,1,1, 0000000017 \n",
         [](const auto& c) {
             EXPECT_TRUE(c.network.setupAllUnits);
             EXPECT_FALSE(c.network.setupAllSetupUnits);
             EXPECT_TRUE(c.network.setupOneUnit);
             EXPECT_TRUE(c.network.setupViaSerial);
             EXPECT_EQ(c.network.setupUnit, "0000000017");
         }},
        {"setup units: other characters keep flags, dash at 9 keeps the text",
         "-Network\nSetup units=1,1,1,1,keep\nSetup units=x,0,?,1,-new\n",
         [](const auto& c) {
             EXPECT_TRUE(c.network.setupAllUnits);
             EXPECT_FALSE(c.network.setupAllSetupUnits);
             EXPECT_TRUE(c.network.setupOneUnit);
             EXPECT_EQ(c.network.setupUnit, "keep");
         }},
        {"setup units: empty fifth field empties the text", "-Network\nSetup units=1,1,1,1,x\nSetup units=0,0,0,0,\n",
         [](const auto& c) {
             EXPECT_FALSE(c.network.setupAllUnits);
             EXPECT_EQ(c.network.setupUnit, "");
         }},
        {"setup units: a short value empties the text", "-Network\nSetup units=1,1,1,1,x\nSetup units=0,1\n",
         [](const auto& c) {
             EXPECT_FALSE(c.network.setupAllUnits);
             EXPECT_TRUE(c.network.setupAllSetupUnits);
             EXPECT_TRUE(c.network.setupOneUnit);
             EXPECT_EQ(c.network.setupUnit, "");
         }},
        {"setup units: empty value clears everything", "-Network\nSetup units=1,1,1,1,x\nSetup units=\n",
         [](const auto& c) {
             EXPECT_FALSE(c.network.setupAllUnits || c.network.setupAllSetupUnits || c.network.setupOneUnit ||
                          c.network.setupViaSerial);
             EXPECT_EQ(c.network.setupUnit, "");
         }},
        {"lists of the network", "-Network\nLower units=0000000002(B), 0000000003(C),\nRemotes=\n",
         [](const auto& c) {
             EXPECT_EQ(c.network.lowerUnits, (TextList{"0000000002(B)", "0000000003(C)"}));
             EXPECT_TRUE(c.network.remotes.empty());
         }},
        {"broadcast choices", "-Radio\nBroadcast=2\n",
         [](const auto& c) { EXPECT_EQ(c.radio.broadcast, BroadcastMode::OnlyDown); }},
        {"broadcast empty clears", "-Radio\nBroadcast=\n",
         [](const auto& c) { EXPECT_EQ(c.radio.broadcast, BroadcastMode::None); }},
        {"broadcast other value keeps", "-Radio\nBroadcast=1\nBroadcast=9\n",
         [](const auto& c) { EXPECT_EQ(c.radio.broadcast, BroadcastMode::AllOn); }},
        {"gateway off, then other value keeps", "-Radio\nGateway=0\nGateway=yes\n",
         [](const auto& c) { EXPECT_EQ(c.radio.gateway, GatewayMode::Off); }},
        {"gateway empty clears both", "-Radio\nGateway=\n",
         [](const auto& c) { EXPECT_EQ(c.radio.gateway, GatewayMode::None); }},
        {"general broadcast only takes 0 and 1", "-Radio\nGeneral broadcast=1\nGeneral broadcast=yes\n",
         [](const auto& c) { EXPECT_TRUE(c.radio.generalBroadcast); }},
        {"retransmission times are not file settings", "-Radio\nRetransmission min=5\n",
         [](const auto& c) { EXPECT_EQ(c.radio.retransmissionMinTime, "200"); }},
    });
}

TEST(SubsectionReaders, NumberRules) {
    RunCases({
        {"last character selects: +Timer12 is timer 2", "-Timer\n+Timer12\nTime=5\n",
         [](const auto& c) { EXPECT_EQ(c.timers[1].time, "5"); }},
        {"all characters select: +Remote event12 is event 12", "-Remote event\n+Remote event12\nOn=1\n",
         [](const auto& c) { EXPECT_TRUE(c.remoteEvents[11].on); }},
        {"+Mask24 selects the last mask", "-I/O event\n+Mask24\nOn=1\n",
         [](const auto& c) { EXPECT_TRUE(c.ioEvents.masks[23].on); }},
        {"timer event +Timer12 is timer 2", "-Timer event\n+Timer12\nOn=1\n",
         [](const auto& c) { EXPECT_TRUE(c.timerEvents[1].on); }},
        {"keys before the first heading of their section are ignored", "-Counter\nCounter=7\n+Counter2\nCounter=8\n",
         [](const auto& c) {
             EXPECT_EQ(c.counters[0].counter, "0");
             EXPECT_EQ(c.counters[1].counter, "8");
         }},
        {"an unknown heading keeps the numbered selection", "-Timer\n+Timer3\n+Other\nTime=4\n",
         [](const auto& c) { EXPECT_EQ(c.timers[2].time, "4"); }},
        {"an out-of-range heading followed by a dash value does not fail", "-Timer\n+Timer7\nTime=-\n",
         [](const auto& c) { EXPECT_EQ(c.timers[0].time, "0"); }},
        {"an out-of-range heading followed by an unknown key does not fail", "-Input\n+Input9\nColour=red\n",
         [](const auto& c) { EXPECT_FALSE(c.input.inputs[0].on); }},
        {"mask cell values that change no cell need no valid mask", "-I/O event\n+Mask30\nInputA=\nFlags=,,,\n",
         [](const auto& c) { EXPECT_EQ(c.ioEvents.masks[0].flags[0], "-"); }},
    });
}

TEST(InputReaders, VoltageRangeInputsAndSleep) {
    RunCases({
        {"base range with blanks", "-Input\nVoltage range=0 - 2.5\n",
         [](const auto& c) { EXPECT_EQ(c.input.voltageRange, VoltageRange::Base); }},
        {"starter kit range", "-Input\nVoltage range=0-30\n",
         [](const auto& c) { EXPECT_EQ(c.input.voltageRange, VoltageRange::StarterKit); }},
        {"user range splits at the first dash, untrimmed", "-Input\nVoltage range=1 - 20\n",
         [](const auto& c) {
             EXPECT_EQ(c.input.voltageRange, VoltageRange::User);
             EXPECT_EQ(c.input.userMinVolt, "1 ");
             EXPECT_EQ(c.input.userMaxVolt, " 20");
         }},
        {"user range without dash keeps min and max", "-Input\nVoltage range=1-5\nVoltage range=12\n",
         [](const auto& c) {
             EXPECT_EQ(c.input.voltageRange, VoltageRange::User);
             EXPECT_EQ(c.input.userMinVolt, "1");
             EXPECT_EQ(c.input.userMaxVolt, "5");
         }},
        {"empty range selects none and empties min and max", "-Input\nVoltage range=1-5\nVoltage range=\n",
         [](const auto& c) {
             EXPECT_EQ(c.input.voltageRange, VoltageRange::None);
             EXPECT_EQ(c.input.userMinVolt, "");
         }},
        {"a dash range value is ignored", "-Input\nVoltage range=0-30\nVoltage range=-\n",
         [](const auto& c) { EXPECT_EQ(c.input.voltageRange, VoltageRange::StarterKit); }},
        {"input type A analogue, anything else digital", "-Input\n+Input1\nInput type=D\n+Input2\nInput type=a\n+Input3\nInput type=A\n",
         [](const auto& c) {
             EXPECT_EQ(c.input.inputs[0].type, InputType::Digital);
             EXPECT_EQ(c.input.inputs[1].type, InputType::Digital);
             EXPECT_EQ(c.input.inputs[2].type, InputType::Analogue);
         }},
        {"sleep keys apply under an input heading", "-Input\n+Input2\nSleepOn=1\nSleepHighLow=0\n",
         [](const auto& c) {
             EXPECT_TRUE(c.input.sleepOn);
             EXPECT_FALSE(c.input.sleepOnHigh);
         }},
        {"sleep keys apply before any heading", "-Input\nSleepOn=1\n",
         [](const auto& c) { EXPECT_TRUE(c.input.sleepOn); }},
        {"flag on only for exactly 1", "-Input\n+Input1\nOn=1\n+Input2\nOn=yes\n",
         [](const auto& c) {
             EXPECT_TRUE(c.input.inputs[0].on);
             EXPECT_FALSE(c.input.inputs[1].on);
         }},
    });
}

TEST(IoEventReaders, MaskCells) {
    RunCases({
        {"cells fill in order", "-I/O event\n+Mask1\nInputA=1,0,T,-,1,0\nOutput=1,0,1,0\n",
         [](const auto& c) {
             EXPECT_EQ(c.ioEvents.masks[0].inputA, (std::array<Text, 6>{"1", "0", "T", "-", "1", "0"}));
             EXPECT_EQ(c.ioEvents.masks[0].outputs, (std::array<Text, 4>{"1", "0", "1", "0"}));
         }},
        {"an empty piece keeps its cell", "-I/O event\n+Mask2\nFlags=1,1,1,1,1,1,1,1\nFlags=0,,0,,,,,\n",
         [](const auto& c) {
             EXPECT_EQ(c.ioEvents.masks[1].flags, (std::array<Text, 8>{"0", "1", "0", "1", "1", "1", "1", "1"}));
         }},
        {"pieces are stored untrimmed", "-I/O event\n+Mask1\nInputB=1, 0\n",
         [](const auto& c) { EXPECT_EQ(c.ioEvents.masks[0].inputB[1], " 0"); }},
        {"the last cell, which ends the written line, loses its trailing blanks", "-I/O event\n+Mask1\nOutput=1,0 ,1,0 ,1\n",
         [](const auto& c) { EXPECT_EQ(c.ioEvents.masks[0].outputs, (std::array<Text, 4>{"1", "0 ", "1", "0"})); }},
        {"an empty value changes nothing", "-I/O event\n+Mask1\nInputA=1\nInputA=\n",
         [](const auto& c) { EXPECT_EQ(c.ioEvents.masks[0].inputA[0], "1"); }},
        {"extra pieces never reach another mask", "-I/O event\n+Mask1\nOutput=1,1,1,1,0,0,0,0\n",
         [](const auto& c) {
             EXPECT_EQ(c.ioEvents.masks[0].outputs, (std::array<Text, 4>{"1", "1", "1", "1"}));
             EXPECT_EQ(c.ioEvents.masks[1].outputs, (std::array<Text, 4>{"-", "-", "-", "-"}));
         }},
        {"sleep event keys anywhere in the section", "-I/O event\n+Mask3\nSleepOn=1\nSleepActions=Sleep mode, Reset Counter 1\n",
         [](const auto& c) {
             EXPECT_TRUE(c.ioEvents.sleepOn);
             EXPECT_EQ(c.ioEvents.sleepActions, (TextList{"Sleep mode", "Reset Counter 1"}));
         }},
        {"+Sleep event heading does not change the mask selection", "-I/O event\n+Mask24\n+Sleep event\nOn=1\n",
         [](const auto& c) { EXPECT_TRUE(c.ioEvents.masks[23].on); }},
    });
}

TEST(EventReaders, NamedSubsections) {
    RunCases({
        {"communication events by name", "-Communication event\n+Radio NAK\nOn=1\nActions=Start timer 1\n",
         [](const auto& c) {
             EXPECT_TRUE(c.commEvent(CommEvent::RadioNak).on);
             EXPECT_EQ(c.commEvent(CommEvent::RadioNak).actions, TextList{"Start timer 1"});
         }},
        {"an unknown communication heading swallows its keys", "-Communication event\n+Online\n+Onlin\nOn=1\n",
         [](const auto& c) { EXPECT_FALSE(c.commEvent(CommEvent::Online).on); }},
        {"counter event lists", "-Counter event\n+Counter4\nOn=1\nActions1=a\nActions2=b,c\n",
         [](const auto& c) {
             EXPECT_TRUE(c.counterEvents[3].on);
             EXPECT_EQ(c.counterEvents[3].onCounter, TextList{"a"});
             EXPECT_EQ(c.counterEvents[3].onZero, (TextList{"b", "c"}));
         }},
        {"message texts keep commas and equals signs", "-Message event\n+Message20\nText=a,b=c\nRadio=1\nSerial=0\n",
         [](const auto& c) {
             EXPECT_EQ(c.messageEvents.messages[19].text, "a,b=c");
             EXPECT_TRUE(c.messageEvents.messages[19].fromRadio);
             EXPECT_FALSE(c.messageEvents.messages[19].fromSerial);
         }},
        {"type subsections land in their slots",
         "-Message event\n+Configuration\nOn=1\n+Remote\nActions=r\n+Broadcast\nActions=b\n+Transparant\nOn=1\n",
         [](const auto& c) {
             EXPECT_TRUE(c.messageType(MessageType::Configuration).on);
             EXPECT_EQ(c.messageEvents.types[5].on, true);
             EXPECT_EQ(c.messageEvents.types[3].actions, TextList{"r"});
             EXPECT_EQ(c.messageEvents.types[4].actions, TextList{"b"});
             EXPECT_TRUE(c.messageEvents.types[0].on);
         }},
        {"no-match events", "-Message event\n+No match radio\nOn=1\n+No match serial\nActions=x\n",
         [](const auto& c) {
             EXPECT_TRUE(c.messageEvents.noMatchRadio.on);
             EXPECT_EQ(c.messageEvents.noMatchSerial.actions, TextList{"x"});
         }},
        {"a named heading ends the message selection", "-Message event\n+Message1\n+Question\nText=x\nOn=1\n",
         [](const auto& c) {
             EXPECT_EQ(c.messageEvents.messages[0].text, "");
             EXPECT_TRUE(c.messageType(MessageType::Question).on);
         }},
        {"remote event controls", "-Remote event\n+Remote event3\nControls=A1,B2\n",
         [](const auto& c) { EXPECT_EQ(c.remoteEvents[2].controls, (TextList{"A1", "B2"})); }},
    });
}

TEST(ActionReaders, ListsAndMessageTexts) {
    RunCases({
        {"message action list and texts", "-Message action\nActions=Send: Message 1 to [Serial port]\n+Message2\nType=Alarm\nText=Hi <I1>\n",
         [](const auto& c) {
             EXPECT_EQ(c.messageActions.actions, TextList{"Send: Message 1 to [Serial port]"});
             EXPECT_EQ(c.messageActions.messages[1].type, "Alarm");
             EXPECT_EQ(c.messageActions.messages[1].text, "Hi <I1>");
         }},
        {"the three action lists", "-Output Flag action\nActions=Set: 1T0- --------\n-Timer action\nActions=Start timer 1,Stop timer 2\n-Counter action\nActions=Reset Counter 3\n",
         [](const auto& c) {
             EXPECT_EQ(c.outputFlagActions, TextList{"Set: 1T0- --------"});
             EXPECT_EQ(c.timerActions, (TextList{"Start timer 1", "Stop timer 2"}));
             EXPECT_EQ(c.counterActions, TextList{"Reset Counter 3"});
         }},
        {"other keys of action lists are ignored", "-Timer action\nActions=a\nList=b\n",
         [](const auto& c) { EXPECT_EQ(c.timerActions, TextList{"a"}); }},
    });
}

TEST(LoadFailures, AllOrNothingWithLineAndReason) {
    struct Case {
        const char* name;
        std::string file;
        int line;
        const char* reasonPart;
    };
    const Case cases[] = {
        {"timer heading without a digit", "-Radio\nChannel=9\n-Timer\n+TimerX\nTime=1\n", 4, "does not end with a number"},
        {"timer number out of range fails at the first key", "-Radio\nChannel=9\n-Timer\n+Timer5\n\nTime=1\n", 6,
         "outside 1 to 4"},
        {"timer number zero", "-Timer\n+Timer0\nUnit=s\n", 3, "outside 1 to 4"},
        {"mask heading without a number", "-Radio\nChannel=9\n-I/O event\n+Mask\n", 4, "has no number"},
        {"mask number 25", "-I/O event\n+Mask25\nOn=1\n", 3, "outside 1 to 24"},
        {"a number too large for any integer is quoted as read", "-I/O event\n+Mask99999999999\nOn=1\n", 3,
         "subsection Mask 99999999999 is outside 1 to 24"},
        {"message event heading not a number", "-Message event\n+Messages\n", 2, "has no number"},
        {"message event number 21", "-Message event\n+Message21\nText=x\n", 3, "outside 1 to 20"},
        {"message action number 0", "-Message action\n+Message0\nType=Alarm\n", 3, "outside 1 to 20"},
        {"remote event 25", "-Remote event\n+Remote event25\nControls=a\n", 3, "outside 1 to 24"},
        {"input 7", "-Input\n+Input7\nScale=2\n", 3, "outside 1 to 6"},
        {"counter event heading", "-Counter event\n+Counter\n", 2, "does not end with a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UnitConfiguration config;
        config.unit.alias = "Before";
        const UnitConfiguration before = config;
        const auto error = LoadUnitText(c.file, config, "broken.kuf");
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->file, "broken.kuf");
        EXPECT_EQ(error->line, c.line);
        EXPECT_NE(error->reason.find(c.reasonPart), std::string::npos) << error->reason;
        EXPECT_EQ(config, before) << "a failed load must change nothing";
    }
}

}  // namespace
}  // namespace koru
