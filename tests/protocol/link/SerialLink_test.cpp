#include <gtest/gtest.h>

#include <QSignalSpy>

#include "tests/support/LinkRig.h"

namespace koru {
namespace {

using namespace std::chrono_literals;
using test::LinkRig;

constexpr const char* kMissing = "Error: 8002  No such file or directory  ComPort  False";

struct LoadCase {
    const char* name;
    const char* storedPort;  // "" when nothing is stored
    std::set<std::string> missing;
    int port;
    std::array<bool, 3> enabled;
    int selected;
    int errorEntries;
};

class LinkLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LinkLoadTest, KeepsTheStoredPortWhenItOpens) {
    const LoadCase& c = GetParam();
    LinkRig rig;
    if (*c.storedPort) rig.store.setValue("serialsetup", "ComPortP", c.storedPort);
    rig.port.missingDevices = c.missing;

    rig.link.load();

    EXPECT_EQ(rig.link.portNumber(), c.port);
    EXPECT_EQ(rig.port.device(), "/dev/ttyS" + std::to_string(c.port - 1));
    for (int number = 1; number <= 3; ++number) {
        EXPECT_EQ(rig.link.portOptionEnabled(number), c.enabled[static_cast<std::size_t>(number - 1)]) << number;
    }
    EXPECT_EQ(rig.link.selectedPortOption(), c.selected);
    int entries = 0;
    for (auto at = rig.link.linkLog().find(kMissing); at != std::string::npos;
         at = rig.link.linkLog().find(kMissing, at + 1)) {
        ++entries;
    }
    EXPECT_EQ(entries, c.errorEntries);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.link.Connect());
}

INSTANTIATE_TEST_SUITE_P(
    Ports, LinkLoadTest,
    ::testing::Values(LoadCase{"NothingStored", "", {}, 1, {true, true, true}, 1, 0},
                      LoadCase{"StoredPortTwo", "2", {}, 2, {true, true, true}, 2, 0},
                      LoadCase{"StoredPortMissingFallsToLowest", "3", {"/dev/ttyS2"}, 1, {true, true, false}, 1, 2},
                      LoadCase{"LowestOpenablePort", "1", {"/dev/ttyS0"}, 2, {false, true, true}, 2, 2},
                      LoadCase{"NoPortOpensKeepsStored", "2", {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2"}, 2,
                               {false, false, false}, 0, 4},
                      LoadCase{"StoredNonsenseIsPortOne", "7", {}, 1, {true, true, true}, 1, 0}),
    [](const auto& tested) { return std::string(tested.param.name); });

struct SettingsCase {
    const char* name;
    const char* settings;  // "" when nothing is stored
    const char* timeout;
    std::string portSettings;
    LinkOptions options;
    long interval;
    int slider;
};

class LinkSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(LinkSettingsTest, StoredSettingsReachPortAndOptions) {
    const SettingsCase& c = GetParam();
    LinkRig rig;
    if (*c.settings) rig.store.setValue("serialsetup", "ComPortS", c.settings);
    if (*c.timeout) rig.store.setValue("serialsetup", "TOslider", c.timeout);

    rig.link.load();

    EXPECT_EQ(rig.port.settings(), c.portSettings);
    EXPECT_EQ(rig.link.options(), c.options);
    EXPECT_EQ(rig.link.sendTimerInterval().count(), c.interval);
    EXPECT_EQ(rig.link.sliderValue(), c.slider);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, LinkSettingsTest,
    ::testing::Values(SettingsCase{"Defaults", "", "", "9600,n,8,1", {5, 0, 3, 0}, 3000, 3},
                      SettingsCase{"ShortTimeoutRaised", "", "500", "9600,n,8,1", {5, 0, 3, 0}, 1000, 1},
                      SettingsCase{"HugeTimeoutClamped", "", "99999999999999", "9600,n,8,1", {5, 0, 3, 0}, 3600000, 3600},
                      SettingsCase{"HalfSecondsToEven", "", "2500", "9600,n,8,1", {5, 0, 3, 0}, 2500, 2},
                      SettingsCase{"HalfSecondsToEvenUp", "", "3500", "9600,n,8,1", {5, 0, 3, 0}, 3500, 4},
                      SettingsCase{"OtherLineSettings", "19200,E,7,2", "", "19200,E,7,2", {6, 2, 2, 1}, 3000, 3},
                      SettingsCase{"BaudWithoutOption", "14400,o,8,1", "", "14400,o,8,1", {-1, 1, 3, 0}, 3000, 3},
                      SettingsCase{"UnreadableSettingsKeepDefault", "fast", "", "9600,n,8,1", {5, 0, 3, 0}, 3000, 3}),
    [](const auto& tested) { return std::string(tested.param.name); });

struct ReceiveCase {
    const char* name;
    std::vector<std::string> chunks;
    const char* state;         // after the last chunk
    std::string buffer;        // receive buffer after the last chunk
    std::string lastReceived;  // newest "Received: " entry, empty when nothing was handled
};

class LinkReceiveTest : public ::testing::TestWithParam<ReceiveCase> {};

TEST_P(LinkReceiveTest, HandlesOnlyChunksEndingTheReply) {
    const ReceiveCase& c = GetParam();
    LinkRig rig;
    rig.session.init_session(test::kHeader42);
    rig.session.state_event("STARTP");
    rig.link.PortConnect_Click();

    for (const std::string& chunk : c.chunks) rig.port.receive(chunk);

    EXPECT_EQ(rig.session.get_state(), c.state);
    EXPECT_EQ(rig.link.receiveBuffer(), c.buffer);
    const auto at = rig.link.linkLog().find("Received: ");
    const std::string received =
        at == std::string::npos ? "" : rig.link.linkLog().substr(at, rig.link.linkLog().find("_received_") - at);
    if (c.lastReceived.empty()) {
        EXPECT_EQ(at, std::string::npos);
    } else {
        EXPECT_EQ(received.rfind(c.lastReceived, 0), 0u) << received;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chunks, LinkReceiveTest,
    ::testing::Values(
        ReceiveCase{"WholeReply", {"M1;C1;\r\n"}, "OK", "", "Received: M1;C1;\r\n"},
        ReceiveCase{"SplitAfterCount", {"M1;", "C1;\r\n"}, "OK", "", "Received: M1;C1;\r\n"},
        // A reply whose LF comes alone is not recognised until a later chunk ends the reply.
        ReceiveCase{"LineFeedAlone", {"M1;C1;\r", "\n"}, "waitM", "M1;C1;\r\n", ""},
        ReceiveCase{"LineFeedAloneThenNextReply", {"M1;C1;\r", "\n", "M2;C2;\r\n"}, "OK", "",
                    "Received: M1;C1;\r\nM2;C2;\r\n"},
        ReceiveCase{"TrailingBlanks", {"M1;C1;\r\n   "}, "OK", "", "Received: M1;C1;\r\n"},
        ReceiveCase{"LeadingBlanks", {"   M1;C1;\r\n"}, "OK", "", "Received: M1;C1;\r\n"},
        ReceiveCase{"OverLongBufferEmptied", {std::string(16385, 'x')}, "waitM", "", ""},
        ReceiveCase{"BufferAtLimitKept", {std::string(16384, 'x')}, "waitM", std::string(16384, 'x'), ""}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(SerialLinkTest, ThreeTimeoutsForceOkWhileConnectedAndKeepForcing) {
    LinkRig rig;
    rig.session.init_session(test::kHeader42);
    rig.session.state_event("STARTP");
    rig.link.PortConnect_Click();
    rig.link.setSendTimerEnabled(true);

    rig.clock.advance(6000ms);
    EXPECT_EQ(rig.session.get_state(), "waitM");
    EXPECT_EQ(rig.link.linkLog().rfind("\r\n...TIMEOUT...\r\n...TIMEOUT...", 0), 0u);

    rig.clock.advance(3000ms);
    EXPECT_EQ(rig.session.get_state(), "OK");
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 1.0);
    EXPECT_EQ(rig.link.stateDisplay(), "ok");
    EXPECT_EQ(rig.link.linkLog().rfind("Comstatus forced OK\r\n...TIMEOUT...\r\n...TIMEOUT...\r\n...TIMEOUT...", 0), 0u);

    rig.clock.advance(3000ms);  // the three stand together in the log still
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 2.0);
}

TEST(SerialLinkTest, TimeoutsWhileDisconnectedForceNothing) {
    LinkRig rig;
    rig.session.init_session(test::kHeader42);
    rig.session.state_event("STARTP");
    rig.link.setSendTimerEnabled(true);
    rig.clock.advance(9000ms);
    EXPECT_EQ(rig.link.linkLog(), "\r\n...TIMEOUT...\r\n...TIMEOUT...\r\n...TIMEOUT...debug output");
    EXPECT_EQ(rig.session.get_state(), "waitM");
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 0.0);
}

TEST(SerialLinkTest, HeldEventsWaitForRelease) {
    LinkRig rig;
    rig.session.init_session(test::kHeader42);
    rig.session.state_event("STARTP");
    rig.link.PortConnect_Click();
    rig.link.holdEvents();
    rig.port.receive("M1;");
    rig.port.receive("C1;\r\n");
    EXPECT_EQ(rig.session.get_state(), "waitM");
    rig.link.releaseEvents();
    EXPECT_EQ(rig.session.get_state(), "OK");  // both chunks read as one
}

TEST(SerialLinkTest, SaveOpensWithOldSettingsThenAppliesNew) {
    LinkRig rig;
    rig.link.load();
    QSignalSpy hidden(&rig.link, &SerialLink::hideRequested);
    rig.link.selectPortOption(2);
    rig.link.setOptions({7, 2, 2, 1});

    rig.link.serialSave();
    EXPECT_EQ(rig.port.opened.back(), "/dev/ttyS1");
    EXPECT_TRUE(rig.link.Connect());
    EXPECT_EQ(rig.port.settings(), "38400,E,7,2");
    EXPECT_EQ(rig.link.linkLog().rfind("new setting: 38400,E,7,2", 0), 0u);
    EXPECT_EQ(hidden.count(), 1);

    // Saving again while open: the open fails with a message, the settings still change.
    rig.link.setOptions({9, 0, 3, 0});
    rig.link.serialSave();
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, "Error connecting. Port already open");
    EXPECT_EQ(rig.boxes.shown[0].title, "Error");
    EXPECT_EQ(rig.boxes.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(rig.port.settings(), "115200,N,8,1");

    // Another port chosen while open: the open device stays, and so does the number that unload stores.
    rig.link.selectPortOption(3);
    rig.link.serialSave();
    EXPECT_NE(rig.link.linkLog().find("Error in serialSave(): Port already open"), std::string::npos);
    rig.link.unload();
    EXPECT_EQ(rig.store.value("serialsetup", "ComPortP", ""), "2");
}

TEST(SerialLinkTest, UnloadStoresPortSettingsAndSlider) {
    LinkRig rig;
    rig.store.setValue("serialsetup", "ComPortP", "3");
    rig.link.load();
    rig.link.setSliderValue(5);
    rig.link.PortConnect_Click();

    rig.link.unload();
    EXPECT_EQ(rig.store.value("serialsetup", "ComPortP", ""), "3");
    EXPECT_EQ(rig.store.value("serialsetup", "ComPortS", ""), "9600,n,8,1");
    EXPECT_EQ(rig.store.value("serialsetup", "TOslider", ""), "5000");
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.link.sendTimerInterval().count(), 3000);  // the slider counts from the next start
}

TEST(SerialLinkTest, MappedDeviceIsOpened) {
    LinkRig rig;
    rig.store.setValue("serialsetup", "ComDevice1", "/dev/ttyUSB0");
    rig.link.load();
    rig.link.PortConnect_Click();
    EXPECT_EQ(rig.port.opened.back(), "/dev/ttyUSB0");
}

TEST(SerialLinkTest, LostDeviceClosesAndSaysSo) {
    LinkRig rig;
    rig.link.PortConnect_Click();
    QSignalSpy lost(&rig.link, &SerialLink::portLost);
    rig.port.loseDevice("Input/output error");
    EXPECT_FALSE(rig.link.Connect());
    EXPECT_FALSE(rig.link.disconnectEnabled());
    EXPECT_EQ(rig.link.linkLog().rfind("\r\nConnection lost: Input/output error", 0), 0u);
    EXPECT_EQ(lost.count(), 1);
}

struct LineCase {
    const char* name;
    bool supported;
    LineState afterFirstToggle;
    LineState afterSecondToggle;
};

class ModemLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ModemLineTest, TogglesOrStaysUnknown) {
    const LineCase& c = GetParam();
    LinkRig rig;
    rig.port.modemLinesSupported = c.supported;
    rig.link.PortConnect_Click();
    EXPECT_TRUE(rig.link.Connect());  // lines that cannot be reported never fail the link

    rig.link.toggleDataTerminalReady();
    EXPECT_EQ(rig.link.indicators().dataTerminalReady, c.afterFirstToggle);
    rig.link.toggleDataTerminalReady();
    EXPECT_EQ(rig.link.indicators().dataTerminalReady, c.afterSecondToggle);
    rig.link.toggleRequestToSend();
    EXPECT_EQ(rig.link.indicators().requestToSend, c.afterFirstToggle);
}

INSTANTIATE_TEST_SUITE_P(Lines, ModemLineTest,
                         ::testing::Values(LineCase{"Supported", true, LineState::On, LineState::Off},
                                           LineCase{"PseudoTerminal", false, LineState::Unknown, LineState::Unknown}),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace koru
