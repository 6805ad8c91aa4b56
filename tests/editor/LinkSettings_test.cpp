#include <gtest/gtest.h>

#include <QSignalSpy>

#include "editor/send/LinkSettings.h"
#include "tests/support/LinkRig.h"
#include "tests/support/NamedCase.h"

namespace koru {
namespace {

// The send stack with the settings dialog's state on its link.
struct LinkRig : test::LinkRig {
    LinkSettings settings{link, store};
};
using test::PrintTo;

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

    rig.settings.load();

    EXPECT_EQ(rig.link.portNumber(), c.port);
    EXPECT_EQ(rig.port.device(), "/dev/ttyS" + std::to_string(c.port - 1));
    for (int number = 1; number <= 3; ++number) {
        EXPECT_EQ(rig.settings.portOptionEnabled(number), c.enabled[static_cast<std::size_t>(number - 1)]) << number;
    }
    EXPECT_EQ(rig.settings.selectedPortOption(), c.selected);
    const auto& entries = rig.link.linkLog().entries();
    EXPECT_EQ(std::count(entries.begin(), entries.end(), kMissing), c.errorEntries);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.link.connected());
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
    test::RowName());

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

    rig.settings.load();

    EXPECT_EQ(rig.port.settings(), c.portSettings);
    EXPECT_EQ(rig.settings.options(), c.options);
    EXPECT_EQ(rig.link.replyTimeout().count(), c.interval);
    EXPECT_EQ(rig.settings.sliderValue(), c.slider);
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
    test::RowName());

// Stored settings the port cannot take are named in the log as the settings file holds them.
TEST(LinkSettingsTest, UnreadableStoredSettingsAreNamedInTheLog) {
    LinkRig rig;
    rig.store.setValue("serialsetup", "ComPortS", "19200,q,7,1");
    rig.settings.load();
    EXPECT_EQ(rig.link.linkLog().entries().front(), "Error: 380  Invalid property value \"19200,q,7,1\"  ComPort  False");
}

TEST(LinkSettingsTest, SaveOpensWithOldSettingsThenAppliesNew) {
    LinkRig rig;
    rig.settings.load();
    QSignalSpy hidden(&rig.settings, &LinkSettings::hideRequested);
    rig.settings.selectPortOption(2);
    rig.settings.setOptions({7, 2, 2, 1});

    rig.settings.save();
    EXPECT_EQ(rig.port.opened.back(), "/dev/ttyS1");
    EXPECT_TRUE(rig.link.connected());
    EXPECT_FALSE(rig.settings.connectEnabled());
    EXPECT_TRUE(rig.settings.disconnectEnabled());
    EXPECT_EQ(rig.port.settings(), "38400,E,7,2");
    EXPECT_EQ(rig.link.linkLog().entries().front(), "new setting: 38400,E,7,2");
    EXPECT_EQ(hidden.count(), 1);

    // Saving again while open: the open fails with a message, the settings still change.
    QSignalSpy shown(&rig.settings, &LinkSettings::showRequested);
    rig.settings.setOptions({9, 0, 3, 0});
    rig.settings.save();
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0], (test::RecordingMessageBoxes::Shown{"Error connecting. /dev/ttyS1: Port already open", "Error",
                                                                     MessageIcon::Exclamation}));
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(rig.port.settings(), "115200,N,8,1");

    // Another port chosen while open: the open device stays, and so does the number that unload stores.
    rig.settings.selectPortOption(3);
    rig.settings.save();
    EXPECT_NE(rig.link.linkLog().text().find("Error in serialSave(): Port already open"), std::string::npos);
    rig.settings.unload();
    EXPECT_EQ(rig.store.value("serialsetup", "ComPortP", ""), "2");
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(LinkSettingsTest, UnloadStoresPortSettingsAndSlider) {
    LinkRig rig;
    rig.store.setValue("serialsetup", "ComPortP", "3");
    rig.settings.load();
    rig.settings.setSliderValue(5);
    rig.settings.connectPort();

    rig.settings.unload();
    EXPECT_EQ(rig.store.value("serialsetup", "ComPortP", ""), "3");
    EXPECT_EQ(rig.store.value("serialsetup", "ComPortS", ""), "9600,n,8,1");
    EXPECT_EQ(rig.store.value("serialsetup", "TOslider", ""), "5000");
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.link.replyTimeout().count(), 3000);  // the slider counts from the next start
}

TEST(LinkSettingsTest, EachPortNamesTheDeviceChosenForIt) {
    LinkRig rig;
    rig.store.setValue("serialsetup", "ComDevice1", "/dev/ttyUSB0");
    rig.settings.load();
    rig.settings.connectPort();
    EXPECT_EQ(rig.port.opened.back(), "/dev/ttyUSB0");

    // A choice is stored at once; the open port keeps its device until it is closed.
    rig.settings.setPortDevice(1, "/dev/ttyACM0");
    rig.settings.setPortDevice(3, "/dev/pts/7");
    EXPECT_EQ(rig.store.value("serialsetup", "ComDevice1", ""), "/dev/ttyACM0");
    EXPECT_EQ(rig.store.value("serialsetup", "ComDevice3", ""), "/dev/pts/7");
    EXPECT_EQ(rig.port.device(), "/dev/ttyUSB0");
    rig.settings.disconnectPort();
    rig.settings.load();
    rig.settings.connectPort();
    EXPECT_EQ(rig.port.opened.back(), "/dev/ttyACM0");

    rig.settings.setPortDevice(2, "");
    EXPECT_EQ(rig.settings.portDevice(2), "/dev/ttyS1");  // no choice: the system's own port
}

TEST(LinkSettingsTest, ClosingTheLinkShowsThePortItUsed) {
    LinkRig rig;
    rig.store.setValue("serialsetup", "ComPortP", "2");
    rig.settings.load();
    rig.settings.connectPort();
    rig.settings.selectPortOption(3);  // chosen but not saved
    rig.port.loseDevice();
    EXPECT_EQ(rig.settings.selectedPortOption(), 2);
    EXPECT_TRUE(rig.settings.connectEnabled());
}

}  // namespace
}  // namespace koru
