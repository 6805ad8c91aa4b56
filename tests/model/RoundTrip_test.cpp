#include <gtest/gtest.h>

#include <set>

#include <string>

#include "model/FileSyntax.h"
#include "model/ParameterFile.h"
#include "model/Sections.h"
#include "model/UnitFile.h"
#include "tests/support/SampleUnits.h"

namespace koru {
namespace {

std::string SectionText(Section section, const UnitConfiguration& config) {
    LineWriter out;
    WriteSection(section, out, config);
    return out.take();
}

// Every section written from a full unit and read into a new configuration comes back the same, and
// touches no other section.
TEST(RoundTrip, EverySectionAlone) {
    const UnitConfiguration full = test::FullUnit();
    const UnitConfiguration fresh;
    for (Section section : AllSections()) {
        SCOPED_TRACE(SectionName(section));
        const std::string written = SectionText(section, full);
        UnitConfiguration read;
        ASSERT_FALSE(LoadUnitText(written, read));
        EXPECT_EQ(SectionText(section, read), written);
        for (Section other : AllSections()) {
            if (other == section) continue;
            EXPECT_EQ(SectionText(other, read), SectionText(other, fresh)) << SectionName(other);
        }
    }
}

TEST(RoundTrip, WholeUnitFile) {
    const UnitConfiguration full = test::FullUnit();
    const std::string written = UnitFileText(full);
    UnitConfiguration read;
    ASSERT_FALSE(LoadUnitText(written, read));
    EXPECT_EQ(UnitFileText(read), written);

    // Everything but the editor-only retransmission times comes back.
    UnitConfiguration expected = full;
    expected.radio.retransmissionMinTime = "200";
    expected.radio.retransmissionMaxTime = "600";
    EXPECT_EQ(read, expected);
}

TEST(RoundTrip, OptionGroupsWithNothingSelected) {
    UnitConfiguration config;
    config.radio.broadcast = BroadcastMode::None;
    config.radio.gateway = GatewayMode::None;
    const std::string written = UnitFileText(config);
    EXPECT_NE(written.find("\r\nBroadcast=\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nGateway=\r\n"), std::string::npos);

    UnitConfiguration read;
    read.radio.broadcast = BroadcastMode::AllOn;
    read.radio.gateway = GatewayMode::Off;
    ASSERT_FALSE(LoadUnitText(written, read));
    EXPECT_EQ(read.radio.broadcast, BroadcastMode::None);
    EXPECT_EQ(read.radio.gateway, GatewayMode::None);
}

TEST(RoundTrip, VoltageRangeForms) {
    struct Case {
        VoltageRange range;
        const char* min;
        const char* max;
        const char* line;
    };
    const Case cases[] = {
        {VoltageRange::Base, "", "", "Voltage range=0-2.5"},
        {VoltageRange::StarterKit, "", "", "Voltage range=0-30"},
        {VoltageRange::User, "1", "20", "Voltage range=1-20"},
        {VoltageRange::None, "", "", "Voltage range=-"},
    };
    for (const Case& c : cases) {
        UnitConfiguration config;
        config.input.voltageRange = c.range;
        config.input.userMinVolt = c.min;
        config.input.userMaxVolt = c.max;
        const std::string written = UnitFileText(config);
        EXPECT_NE(written.find(std::string("\r\n") + c.line + "\r\n"), std::string::npos) << c.line;

        UnitConfiguration read;
        read.input.voltageRange = VoltageRange::StarterKit;
        ASSERT_FALSE(LoadUnitText(written, read));
        // No range writes "-", which leaves the range as it was.
        EXPECT_EQ(read.input.voltageRange, c.range == VoltageRange::None ? VoltageRange::StarterKit : c.range);
        if (c.range == VoltageRange::User) {
            EXPECT_EQ(read.input.userMinVolt, c.min);
            EXPECT_EQ(read.input.userMaxVolt, c.max);
        }
    }
}

TEST(RoundTrip, EmptyListItemsKeepTheirPlaceAndCommasSplitItems) {
    UnitConfiguration config;
    config.timerActions = {"Start timer 1", "", "a,b"};
    config.network.lowerUnits = {"", "0000000002(B)", ""};
    UnitConfiguration read;
    ASSERT_FALSE(LoadUnitText(UnitFileText(config), read));
    EXPECT_EQ(read.timerActions, (TextList{"Start timer 1", "", "a", "b"}));
    EXPECT_EQ(read.network.lowerUnits, config.network.lowerUnits);
}

TEST(UnitFileText, LayoutOfANewUnit) {
    const std::string text = UnitFileText(UnitConfiguration{});
    EXPECT_EQ(text.rfind("-Unit\r\nId=\r\nAlias=\r\nType=KORU Base\r\n\r\n-Network\r\nSetup units=0,0,0,0,\r\n", 0), 0u);
    EXPECT_TRUE(text.ends_with("\r\n-Counter action\r\nActions=\r\n")) << "no empty line after the last section";
    EXPECT_NE(text.find("\r\n-GSM\r\n\r\n-Web\r\n\r\n-Input\r\nVoltage range=0-2.5\r\n+Input1\r\nOn=0\r\n"
                        "Input type=A\r\nUpper limit=4\r\nUpper hysteresis=0\r\nLower limit=1\r\n"
                        "Lower hysteresis=0\r\nScale=1\r\nOffset=0\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("+Mask24\r\nOn=0\r\nInputA=-,-,-,-,-,-\r\nInputB=-,-,-,-,-,-\r\nOutput=-,-,-,-\r\n"
                        "Flags=-,-,-,-,-,-,-,-\r\nActions=\r\n+Sleep event\r\nSleepOn=0\r\nSleepActions=\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("+No match radio\r\nOn=0\r\nActions=\r\n+No match serial\r\nOn=0\r\nActions=\r\n"
                        "+Transparant\r\nOn=0\r\nActions=\r\n+Question\r\nOn=0\r\nActions=\r\n+IO command\r\nOn=0\r\n"
                        "Actions=\r\n+Configuration\r\nOn=0\r\nActions=\r\n+Remote\r\nOn=0\r\nActions=\r\n"
                        "+Broadcast\r\nOn=0\r\nActions=\r\n\r\n-Remote event\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("-Message event\r\n+Message1\r\nOn=0\r\nText=\r\nRadio=0\r\nSerial=1\r\nActions=\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("-Message action\r\nActions=\r\n+Message1\r\nType=Message\r\nText=\r\n"), std::string::npos);
}

TEST(ParameterFile, RowsAndEmptyLines) {
    const UnitConfiguration config;
    ParameterSelection radioOnly;
    radioOnly.set(Section::Radio, true);
    EXPECT_EQ(ParameterFileText(config, radioOnly),
              "-Radio\r\nChannel=0\r\nProtocol=<KORU-Standard>\r\nRetransmitt=3\r\nBroadcast=3\r\n"
              "General broadcast=0\r\nGateway=1\r\n\r\n");

    ParameterSelection counterActionsOnly;
    counterActionsOnly.set(Section::CounterAction, true);
    EXPECT_EQ(ParameterFileText(config, counterActionsOnly), "-Counter action\r\nActions=\r\n");

    EXPECT_EQ(ParameterFileText(config, ParameterSelection{}), "");

    ParameterSelection serialAndTimer;
    serialAndTimer.set(Section::Timer, true);
    serialAndTimer.set(Section::Serial, true);
    const std::string text = ParameterFileText(config, serialAndTimer);
    EXPECT_EQ(text.rfind("-Serial\r\n", 0), 0u);
    EXPECT_NE(text.find("End of text=<None>\r\n\r\n-Timer\r\n"), std::string::npos);
}

// The rows name every section but Unit, GSM and Web once, and each "All" box covers exactly its frame's rows,
// the hidden remote-event row included.
TEST(ParameterFile, RowsCoverTheSectionsAndAllBoxesTheirFrames) {
    std::set<Section> rows;
    for (const ParameterRow& row : ParameterRows()) EXPECT_TRUE(rows.insert(row.section).second) << row.name;
    for (Section section : AllSections()) {
        const bool kept = section == Section::Unit || section == Section::Gsm || section == Section::Web;
        EXPECT_EQ(rows.count(section) == 0, kept) << SectionName(section);
    }
    for (ExportFrame frame : {ExportFrame::Setup, ExportFrame::Events, ExportFrame::Actions}) {
        ParameterSelection ticked;
        ticked.setFrame(frame, true);
        for (const ParameterRow& row : ParameterRows()) EXPECT_EQ(ticked.has(row.section), row.frame == frame) << row.name;
        ticked.setFrame(frame, false);
        EXPECT_EQ(ticked, ParameterSelection{});
    }
    ParameterSelection events;
    events.setFrame(ExportFrame::Events, true);
    EXPECT_TRUE(events.has(Section::RemoteEvent)) << "the hidden remote-event row comes with All";
}

TEST(ParameterFile, ImportChangesOnlyItsSections) {
    UnitConfiguration source = test::FullUnit();
    ParameterSelection all = ParameterSelection::All();
    const std::string exported = ParameterFileText(source, all);
    EXPECT_EQ(exported.find("-Unit"), std::string::npos);
    EXPECT_EQ(exported.find("-GSM"), std::string::npos);

    UnitConfiguration target;
    target.unit = {"0000000099", "Other", "KORU Base"};
    ASSERT_FALSE(LoadUnitText(exported, target));
    EXPECT_EQ(target.unit.id, "0000000099");
    EXPECT_EQ(target.unit.alias, "Other");
    target.unit = source.unit;
    target.radio.retransmissionMinTime = source.radio.retransmissionMinTime;
    target.radio.retransmissionMaxTime = source.radio.retransmissionMaxTime;
    EXPECT_EQ(target, source);

    ParameterSelection radioOnly;
    radioOnly.set(Section::Radio, true);
    UnitConfiguration onlyRadio;
    ASSERT_FALSE(LoadUnitText(ParameterFileText(source, radioOnly), onlyRadio));
    EXPECT_EQ(onlyRadio.radio.channel, "81");
    EXPECT_EQ(onlyRadio.serial, UnitConfiguration{}.serial);
}

}  // namespace
}  // namespace koru
