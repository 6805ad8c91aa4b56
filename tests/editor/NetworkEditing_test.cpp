#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "tests/editor/WindowTesting.h"

namespace koru {
namespace {

using Entries = std::vector<std::string>;

const std::string kA = "0000000001(A)";
const std::string kB = "0000000002(B)";

class NetworkEditingTest : public ::testing::Test {
protected:
    std::string label(const QString& name) const {
        return FromWidgetText(w.get<QLabel>(name)->text()).value();
    }
    void pick(const std::string& unit) const {
        w.selectText("lstUnitInSystem", QString::fromStdString(unit));
    }

    test::EditingWindow w{{kA + ".kuf", kB + ".kuf"}};
    const NetworkSetup& network = w.window->configuration().network;
};

TEST_F(NetworkEditingTest, TheUpperUnitIsChosenPingedAndClearedWithTheOverview) {
    for (const char* button : {"cmdAddMasterUnit", "cmdDeleteMasterUnit", "cmdAddSlaveUnit",
                               "cmdRemoveSlaveUnit", "cmdChangeUpperPingTime", "cmdChangeLowerPingTime"}) {
        EXPECT_TRUE(w.get<QPushButton>(button)->isEnabled()) << button;
    }
    w.choose("cmbPingTime", "Short ping time");
    w.press("cmdChangeUpperPingTime");  // no upper unit
    w.press("cmdAddMasterUnit");        // nothing selected
    EXPECT_EQ(network, NetworkSetup{});

    pick(kA);
    w.press("cmdAddMasterUnit");
    EXPECT_EQ(label("lblSelectedMaster"), kA);
    EXPECT_EQ(label("lblMasterUnit"), kA);
    EXPECT_EQ(label("lblUpperPingTime"), "Long ping time - " + kA);
    w.press("cmdChangeUpperPingTime");
    EXPECT_EQ(network.upperPing, "Short ping time - " + kA);

    w.press("cmdDeleteMasterUnit");
    for (const char* name : {"lblSelectedMaster", "lblMasterUnit", "lblUpperPingTime"})
        EXPECT_EQ(label(name), "");
    EXPECT_EQ(network.upperUnit, "");
}

TEST_F(NetworkEditingTest, LowerUnitsComeOnceAndGoWithTheirPing) {
    pick(kA);
    w.press("cmdAddSlaveUnit");
    w.press("cmdAddSlaveUnit");
    pick(kB);
    w.press("cmdAddSlaveUnit");
    EXPECT_EQ(w.items("lstSlaveUnits"), (Entries{kA, kB}));
    EXPECT_EQ(w.items("lstLowerPingTimes"), (Entries{"Short ping time - " + kA, "Short ping time - " + kB}));

    w.choose("cmbPingTime", "User defined");
    w.select("lstLowerPingTimes", 1);
    w.press("cmdChangeLowerPingTime");
    EXPECT_EQ(w.items("lstLowerPingTimes"), (Entries{"Short ping time - " + kA, "User defined - " + kB}));

    w.press("cmdRemoveSlaveUnit");  // nothing selected
    w.select("lstSlaveUnits", 1);
    w.press("cmdRemoveSlaveUnit");
    EXPECT_EQ(w.items("lstSlaveUnits"), Entries{kA});
    EXPECT_EQ(w.items("lstLowerPingTimes"), Entries{"Short ping time - " + kA});
    EXPECT_EQ(w.items("lstLowerUnits"), Entries{kA});
    EXPECT_EQ(network.lowerUnits, Entries{kA});
}

}  // namespace
}  // namespace koru
