#include <gtest/gtest.h>

#include "protocol/RecordEncoders.h"
#include "tests/protocol/StepTexts.h"

namespace koru {
namespace {

using test::AllRecords;
using test::HandOvers;
using test::LogEntries;
using test::ExpectRecords;
using enum Record;

TEST(Record1, CarriesAliasAndSleepMode) {
    ExpectRecords(General, {
        {"defaults", [](UnitConfiguration&) {}, "1:\"\":0:1;"},
        {"pump house, sleep on low", [](UnitConfiguration& c) {
             c.unit.alias = "Pump house";
             c.input.sleepOn = true;
             c.input.sleepOnHigh = false;
         }, "1:\"Pump house\":1:0;"},
        {"separators in the alias go unchanged", [](UnitConfiguration& c) { c.unit.alias = "a:b;c"; },
         "1:\"a:b;c\":0:1;"},
    });
}

TEST(Record2, CarriesNetworkPlace) {
    ExpectRecords(Network, {
        {"defaults", [](UnitConfiguration&) {}, "2:00000000:0:00000000:1:0000:1;"},
        {"upper unit and lower units", [](UnitConfiguration& c) {
             c.network.upperUnit = "0000000017(Upper)";
             c.network.lowerUnits = {"0000000020(A)", "0000000021(B)"};
         }, "2:00000011:0:00000000:1:0000:3;"},
        {"all units wins", [](UnitConfiguration& c) {
             c.network.setupAllUnits = c.network.setupAllSetupUnits = c.network.setupOneUnit = true;
         }, "2:00000000:0:00000000:1:0000:1;"},
        {"setup units and one unit", [](UnitConfiguration& c) {
             c.network.setupAllSetupUnits = c.network.setupOneUnit = true;
             c.network.setupUnit = "255";
         }, "2:00000000:3:000000FF:1:0000:1;"},
        {"setup units", [](UnitConfiguration& c) { c.network.setupAllSetupUnits = true; },
         "2:00000000:1:00000000:1:0000:1;"},
        {"one unit", [](UnitConfiguration& c) { c.network.setupOneUnit = true; },
         "2:00000000:2:00000000:1:0000:1;"},
        {"gateway off", [](UnitConfiguration& c) { c.radio.gateway = GatewayMode::Off; },
         "2:00000000:0:00000000:0:0000:1;"},
        {"no gateway choice", [](UnitConfiguration& c) { c.radio.gateway = GatewayMode::None; },
         "2:00000000:0:00000000:0:0000:1;"},
        {"user ping time", [](UnitConfiguration& c) {
             c.network.userPingTime = "10";
             c.network.userPingUnit = "min";
         }, "2:00000000:0:00000000:1:1258:1;"},
        {"ping time beyond 32 bits", [](UnitConfiguration& c) {
             c.network.userPingTime = "-3000000000";
             c.network.userPingUnit = "";
         }, "2:00000000:0:00000000:1:1;", {"Error in set_param2(): Overflow\r\n"}},
    });
}

TEST(Record2, OverflowingUnitNumberShowsABoxAndLeavesTheFieldEmpty) {
    UnitConfiguration config;
    config.network.setupUnit = "5000000000";
    EncodeContext context;
    const EncoderSteps steps = EncodeNetwork(config, context);
    EXPECT_EQ(AllRecords(steps), "2:00000000:0::1:0000:1;");
    EXPECT_EQ(test::MessageBoxes(steps), std::vector<std::string>{"Overflow in Hex-conversion ( 5000000000)"});
}

TEST(Record15, OneRecordPerPeerWithPingChoice) {
    ExpectRecords(Peers, {
        {"no peers", [](UnitConfiguration&) {}, "15:0:00000000:0:0;"},
        {"ping choices", [](UnitConfiguration& c) {
             c.network.upperUnit = "0000000017(Up)";
             c.network.upperPing = "Long ping time - 0000000017(Up)";
             c.network.lowerUnits = {"0000000020(A)", "0000000021(B)", "0000000022(C)"};
             c.network.lowerPing = {"Short ping time - 0000000020(A)", "User defined - 0000000021(B)",
                                    "No ping - 0000000022(C)"};
         }, "15:0:00000011:2:0;15:1:00000014:1:0;15:2:00000015:3:0;15:3:00000016:0:0;"},
        {"missing or unknown ping texts", [](UnitConfiguration& c) {
             c.network.upperPing = "long ping time";
             c.network.lowerUnits = {"0000000020(A)"};
         }, "15:0:00000000:0:0;15:1:00000014:0:0;"},
    });
}

TEST(Record15, ManyLowerUnitsAreSplitOverSeveralTexts) {
    UnitConfiguration config;
    for (int n = 1; n <= 20; ++n) config.network.lowerUnits.push_back(std::to_string(1000 + n) + "(U)");
    EncodeContext context;
    const auto texts = HandOvers(EncodePeers(config, context));
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0], "15:0:00000000:0:0;15:1:000003E9:0:0;15:2:000003EA:0:0;15:3:000003EB:0:0;");
    EXPECT_EQ(texts[2], "15:8:000003F0:0:0;15:9:000003F1:0:0;15:10:000003F2:0:0;15:11:000003F3:0:0;");
    EXPECT_EQ(texts[5], "15:20:000003FC:0:0;");
    for (const auto& text : texts) EXPECT_LE(text.size(), 71u + 19u);
}

TEST(Record15, AnEmptyLastTextIsStillHandedOver) {
    UnitConfiguration config;
    config.network.lowerUnits = {"1(A)", "2(B)", "3(C)"};  // four records: 72 characters
    EncodeContext context;
    const auto texts = HandOvers(EncodePeers(config, context));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], "");
}

TEST(Record3, CarriesRadioSettings) {
    ExpectRecords(Radio, {
        {"defaults", [](UnitConfiguration&) {}, "3:0:0:0:0:0:3:20:60::0;"},
        {"numeric protocol", [](UnitConfiguration& c) { c.radio.protocol = " 7 "; }, "3:0:7:0:0:0:3:20:60::0;"},
        {"unknown protocol leaves its field out", [](UnitConfiguration& c) { c.radio.protocol = "Other"; },
         "3:0:0:0:0:3:20:60::0;"},
        {"channel", [](UnitConfiguration& c) { c.radio.channel = "81"; }, "3:81:0:0:0:0:3:20:60::0;"},
        {"channel not a number", [](UnitConfiguration& c) { c.radio.channel = "x"; }, "3:0:0:0:0:0:3:20:60::0;"},
        {"channel too large", [](UnitConfiguration& c) { c.radio.channel = "1e999"; }, "3:0:0:0:0:3:20:60::0;",
         {"Error in set_param3(): Overflow\r\n"}},
        {"send to all", [](UnitConfiguration& c) { c.radio.broadcast = BroadcastMode::AllOn; },
         "3:0:0:0:1:0:3:20:60::0;"},
        {"only down", [](UnitConfiguration& c) { c.radio.broadcast = BroadcastMode::OnlyDown; },
         "3:0:0:0:2:0:3:20:60::0;"},
        {"no broadcast choice", [](UnitConfiguration& c) { c.radio.broadcast = BroadcastMode::None; },
         "3:0:0:0:0:0:3:20:60::0;"},
        {"setup permitted", [](UnitConfiguration& c) { c.network.setupOneUnit = true; }, "3:0:0:0:0:1:3:20:60::0;"},
        {"serial setup alone does not permit", [](UnitConfiguration& c) { c.network.setupViaSerial = true; },
         "3:0:0:0:0:0:3:20:60::0;"},
        {"255 retransmissions", [](UnitConfiguration& c) { c.radio.retransmitt = "255"; }, "3:0:0:0:0:0:0:20:60::0;"},
        {"300 retransmissions", [](UnitConfiguration& c) { c.radio.retransmitt = "300"; }, "3:0:0:0:0:0:45:20:60::0;"},
        {"2.5 retransmissions", [](UnitConfiguration& c) { c.radio.retransmitt = "2.5"; }, "3:0:0:0:0:0:2:20:60::0;"},
        {"times not multiples of 10 ms", [](UnitConfiguration& c) {
             c.radio.retransmissionMinTime = "205";
             c.radio.retransmissionMaxTime = "1234";
         }, "3:0:0:0:0:0:3:20.5:123.4::0;"},
        {"empty minimum", [](UnitConfiguration& c) { c.radio.retransmissionMinTime = ""; }, "3:0:0:0:0:0:3:60::0;",
         {"Error in set_param3(): Type mismatch\r\n"}},
        {"maximum not a number", [](UnitConfiguration& c) { c.radio.retransmissionMaxTime = "600ms"; },
         "3:0:0:0:0:0:3:20::0;", {"Error in set_param3(): Type mismatch\r\n"}},
        {"general broadcast", [](UnitConfiguration& c) { c.radio.generalBroadcast = true; },
         "3:0:0:0:0:0:3:20:60::1;"},
    });
}

TEST(Record4, CarriesSerialSettings) {
    auto withTimeout = [](const char* timeout) { return [timeout](UnitConfiguration& c) { c.serial.serialTimeout = timeout; }; };
    auto withEnd = [](const char* end) { return [end](UnitConfiguration& c) { c.serial.endOfText = end; }; };
    ExpectRecords(Serial, {
        {"defaults", [](UnitConfiguration&) {}, "4:0:0:6:9600:8:1:0:0::;"},
        {"50ms", withTimeout("50ms"), "4:0:0:3:9600:8:1:0:0::;"},
        {"<None>", withTimeout("<None>"), "4:0:0:0:9600:8:1:0:0::;"},
        {"1.5s", withTimeout("1.5s"), "4:0:0:90:9600:8:1:0:0::;"},
        {"empty timeout", withTimeout(""), "4:0:0:6:9600:8:1:0:0::;"},
        {"unknown timeout", withTimeout("soon"), "4:0:0:6:9600:8:1:0:0::;"},
        {"CRLF", withEnd("13,10 (CRLF)"), "4:0:0:6:9600:8:1:0:2:13:10;"},
        {"CR", withEnd("13 (CR)"), "4:0:0:6:9600:8:1:0:1:13:;"},
        {"ETX", withEnd("3 (ETX)"), "4:0:0:6:9600:8:1:0:1:3:;"},
        {"three delimiter characters", withEnd("1,2,3 (X)"), "4:0:0:6:9600:8:1:0:3:1:2;",
         {"Error in set_param4(): To many characters in EOP-delimiter"}},
        {"no parenthesis", withEnd("13,10"), "4:0:0:6:9600:8:1:0:2:13:10;",
         {"Error in set_param4(): Invalid procedure call or argument"}},
        {"empty delimiter", withEnd(""), "4:0:0:6:9600:8:1:0:0:;",
         {"Error in set_param4(): Invalid procedure call or argument",
          "Error in set_param4(): Subscript out of range"}},
        {"serial settings", [](UnitConfiguration& c) {
             c.network.setupViaSerial = true;
             c.serial.serialProtocol = "<RS-485 half duplex>";
             c.serial.baudrate = "115200";
             c.serial.numberOfBits = "7";
             c.serial.stopBit = "2";
             c.serial.parity = "Even";
         }, "4:1:2:6:115200:7:2:2:0::;"},
        {"full duplex, odd", [](UnitConfiguration& c) {
             c.serial.serialProtocol = "<RS-485 full duplex>";
             c.serial.parity = "Odd";
         }, "4:0:1:6:9600:8:1:1:0::;"},
        {"KORU to KORU", [](UnitConfiguration& c) { c.serial.serialProtocol = "<KORU to KORU>"; },
         "4:0:9:6:9600:8:1:0:0::;"},
    });
}

}  // namespace
}  // namespace koru
