#include <gtest/gtest.h>

#include <functional>

#include "protocol/RecordEncoders.h"
#include "tests/protocol/StepTexts.h"

namespace koru {
namespace {

using test::AllRecords;
using test::HandOvers;
using test::LogEntries;
using test::Edit;
using test::ExpectRecords;
using enum Record;

Edit Input0(std::function<void(InputSetup&)> edit) {
    return [edit](UnitConfiguration& c) {
        c.input.inputs[0].on = true;
        edit(c.input.inputs[0]);
    };
}

const std::string kDivisionByZero = "Error in set_param5(): Division by zero\r\n";

TEST(Record5, EncodesInputsAsPerMilleOfTheRange) {
    ExpectRecords(Inputs, {
        {"off", [](UnitConfiguration&) {}, "5:0:0:0:0:0:0:0:0:0:0;"},
        {"analogue defaults", Input0([](InputSetup&) {}), "5:0:1:A:400:400:1600:1600:2500:0:-3;"},
        {"hysteresis", Input0([](InputSetup& in) {
             in.lowerHysteresis = "0.2";
             in.upperHysteresis = "1.5";  // rounded to 2 before halving
         }), "5:0:1:A:360:441:1200:2000:2500:0:-3;"},
        {"digital on the 0-30 range", [](UnitConfiguration& c) {
             c.input.voltageRange = VoltageRange::StarterKit;
             c.input.inputs[0] = {true, InputType::Digital, "2", "0", "1", "0", "1", "0"};
         }, "5:0:1:D:34:67:9999:9999:::;"},
        {"analogue with scale and offset on 0-30", [](UnitConfiguration& c) {
             c.input.voltageRange = VoltageRange::StarterKit;
             c.input.inputs[0] = {true, InputType::Analogue, "20", "0", "5", "0", "10", "1"};
         }, "5:0:1:A:14:14:65:65:2963:296.3:-1;"},
        {"user range", [](UnitConfiguration& c) {
             c.input.voltageRange = VoltageRange::User;
             c.input.userMinVolt = "1";
             c.input.userMaxVolt = "20";
             c.input.inputs[0] = {true, InputType::Analogue, "15", "0", "5", "0", "2", "0"};
         }, "5:0:1:A:79:79:343:343:3800:0:-2;"},
        {"scale 0 on an empty range sends zeros", [](UnitConfiguration& c) {
             c.input.voltageRange = VoltageRange::None;
             c.input.inputs[0].on = true;
             c.input.inputs[0].scale = "0";
         }, "5:0:1:A:0:0:0:0:0:0:0;"},
        {"scale 0 on a real range divides by zero", Input0([](InputSetup& in) { in.scale = "0"; }),
         "5:0:1:A:0:0:-3;", {kDivisionByZero, kDivisionByZero, kDivisionByZero, kDivisionByZero}},
        {"empty range with a scale divides by zero", [](UnitConfiguration& c) {
             c.input.voltageRange = VoltageRange::User;
             c.input.userMinVolt = c.input.userMaxVolt = "3";
             c.input.inputs[0].on = true;
         }, "5:0:1:A:0:0:-3;", {kDivisionByZero, kDivisionByZero, kDivisionByZero, kDivisionByZero}},
        {"digital on an empty range", [](UnitConfiguration& c) {
             c.input.voltageRange = VoltageRange::None;
             c.input.inputs[0].on = true;
             c.input.inputs[0].type = InputType::Digital;
         }, "5:0:1:D:9999:9999:::;", {kDivisionByZero, kDivisionByZero}},
        {"negative scale closes the record with empty scale fields", Input0([](InputSetup& in) { in.scale = "-1"; }),
         "5:0:1:A:-400:-400:-1600:-1600:::;", {"Error in set_param5(): Invalid procedure call or argument\r\n"}},
        {"per mille beyond 16 bits", Input0([](InputSetup& in) { in.upperLimit = "1000"; }),
         "5:0:1:A:400:400:2500:0:-3;",
         {"Error in set_param5(): Overflow\r\n", "Error in set_param5(): Overflow\r\n"}},
    }, "5:0:");
}

TEST(Record5, SixRecordsInTwoTexts) {
    UnitConfiguration config;
    EncodeContext context;
    const auto texts = HandOvers(EncodeInputs(config, context));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "5:0:0:0:0:0:0:0:0:0:0;5:1:0:0:0:0:0:0:0:0:0;5:2:0:0:0:0:0:0:0:0:0;5:3:0:0:0:0:0:0:0:0:0;");
    EXPECT_EQ(texts[1], "5:4:0:0:0:0:0:0:0:0:0;5:5:0:0:0:0:0:0:0:0:0;");
}

Edit Mask0(std::function<void(IoMask&)> edit) {
    return [edit](UnitConfiguration& c) {
        c.ioEvents.masks[0].on = true;
        edit(c.ioEvents.masks[0]);
    };
}

TEST(Record6, PacksMaskCellsTwoBitsEach) {
    ExpectRecords(IoMasks, {
        {"off", [](UnitConfiguration& c) { c.ioEvents.masks[0].inputA[0] = "1"; }, "6:0:0:;"},
        {"on, no conditions", Mask0([](IoMask&) {}), "6:0:1:0000:0000:00:0000;"},
        {"first input 0", Mask0([](IoMask& m) { m.inputA[0] = "0"; }), "6:0:1:8000:0000:00:0000;"},
        {"first input 1", Mask0([](IoMask& m) { m.inputA[0] = "1"; }), "6:0:1:C000:0000:00:0000;"},
        {"last input 1", Mask0([](IoMask& m) { m.inputA[5] = "1"; }), "6:0:1:0030:0000:00:0000;"},
        {"condition B", Mask0([](IoMask& m) { m.inputB = {"1", "1", "1", "1", "1", "1"}; }),
         "6:0:1:0000:FFF0:00:0000;"},
        {"outputs 1 0 - -", Mask0([](IoMask& m) { m.outputs = {"1", "0", "-", "-"}; }), "6:0:1:0000:0000:E0:0000;"},
        {"flag 7 alone 0", Mask0([](IoMask& m) { m.flags[7] = "0"; }), "6:0:1:0000:0000:00:0002;"},
        {"T and odd texts are no condition", Mask0([](IoMask& m) {
             m.inputA[0] = "T";
             m.flags[0] = "t";
             m.outputs[0] = "10";
         }), "6:0:1:0000:0000:00:0000;"},
    }, "6:0:");
}

TEST(Record6, ActiveMasksGoThreeToAText) {
    UnitConfiguration config;
    for (auto& mask : config.ioEvents.masks) mask.on = true;
    EncodeContext context;
    const auto texts = HandOvers(EncodeIoMasks(config, context));
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[0], "6:0:1:0000:0000:00:0000;6:1:1:0000:0000:00:0000;6:2:1:0000:0000:00:0000;");
    EXPECT_EQ(texts[8], "");
}

Edit Message0(bool on, const char* text, bool radio, bool serial) {
    return [=](UnitConfiguration& c) {
        MessageEvent& m = c.messageEvents.messages[0];
        m.on = on;
        m.text = text;
        m.fromRadio = radio;
        m.fromSerial = serial;
    };
}

TEST(Record7, QuotesReceivedTexts) {
    ExpectRecords(ReceivedMessages, {
        {"off and empty", Message0(false, "", false, true), "7:0:0:S:\"\";"},
        {"on and empty sends a blank", Message0(true, "", false, true), "7:0:1:S:\" \";"},
        {"both sources", Message0(true, "LEVEL?", true, true), "7:0:1:B:\"LEVEL?\";"},
        {"radio only", Message0(false, "x", true, false), "7:0:0:R:\"x\";"},
        {"no source counts as serial", Message0(true, "x", false, false), "7:0:1:S:\"x\";"},
    }, "7:0:");
}

TEST(Record7, TextsAreSplitAtTheQuotedLimit) {
    UnitConfiguration config;
    for (auto& message : config.messageEvents.messages) message.text = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    EncodeContext context;
    const auto texts = HandOvers(EncodeReceivedMessages(config, context));
    ASSERT_EQ(texts.size(), 11u);  // two 36-character records pass 66; the last text is empty
    EXPECT_EQ(texts[0], "7:0:0:S:\"ABCDEFGHIJKLMNOPQRSTUVWXYZ\";7:1:0:S:\"ABCDEFGHIJKLMNOPQRSTUVWXYZ\";");
    EXPECT_EQ(texts[10], "");
}

TEST(Record8, TimersInOneText) {
    UnitConfiguration config;
    config.timerEvents[0].on = true;
    config.timers[0] = {"5", "s"};
    config.timers[2] = {"1000", "h"};
    config.timers[3] = {"", "ms"};
    EncodeContext context;
    const EncoderSteps steps = EncodeTimers(config, context);
    EXPECT_EQ(HandOvers(steps), std::vector<std::string>{"8:0:1:0032;8:1:0:0000;8:2:0:33E8;8:3:0:0000;"});
}

TEST(Record8, AFailingTimeLeavesItsFieldAndSeparatorOut) {
    UnitConfiguration config;
    config.timers[1] = {"-3000000000", ""};
    EncodeContext context;
    const EncoderSteps steps = EncodeTimers(config, context);
    EXPECT_EQ(AllRecords(steps), "8:0:0:0000;8:1:0:8:2:0:0000;8:3:0:0000;");
    EXPECT_EQ(LogEntries(steps), std::vector<std::string>{"Error in set_param8(): Overflow\r\n"});
}

Edit Counter0(const char* text, bool on = false) {
    return [=](UnitConfiguration& c) {
        c.counters[0].counter = text;
        c.counterEvents[0].on = on;
    };
}

TEST(Record14, CountsAsThirtyTwoBitHex) {
    ExpectRecords(Counters, {
        {"255", Counter0("255", true), "14:0:1:000000FF;"},
        {"-1", Counter0("-1"), "14:0:0:FFFFFFFF;"},
        {"2.5 rounds to even", Counter0("2.5"), "14:0:0:00000002;"},
        {"blanks around", Counter0(" 7 "), "14:0:0:00000007;"},
        {"999999999", Counter0("999999999"), "14:0:0:3B9AC9FF;"},
        {"empty sends an empty count", Counter0(""), "14:0:0:;", {"Error in set_param14(): Type mismatch\r\n"}},
        {"not a number", Counter0("12ab"), "14:0:0:;", {"Error in set_param14(): Type mismatch\r\n"}},
        {"beyond 32 bits", Counter0("1e10"), "14:0:0:;", {"Error in set_param14(): Overflow\r\n"}},
    }, "14:0:");
}

TEST(Record14, FourCountersInOneText) {
    UnitConfiguration config;
    EncodeContext context;
    EXPECT_EQ(HandOvers(EncodeCounters(config, context)),
              std::vector<std::string>{"14:0:0:00000000;14:1:0:00000000;14:2:0:00000000;14:3:0:00000000;"});
}

}  // namespace
}  // namespace koru
