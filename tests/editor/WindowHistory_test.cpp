#include <gtest/gtest.h>

#include <QLabel>

#include <filesystem>

#include "model/SendHistory.h"
#include "tests/editor/SendRig.h"
#include "tests/support/SampleUnits.h"

namespace koru {
namespace {

using test::Control;
using test::SendRig;
using test::SimulatedLine;

// "SEND TO UNIT", then only "Radio setup" ticked, then OK.
void SendRadio(SendRig& rig) {
    rig.window->control<QAbstractButton>(QStringLiteral("cmdSetup"))->click();
    for (const char* box :
         {"chkGeneralSetup", "chkNetworkSetup", "chkSerialSetup", "chkInputSetup", "CheckAllEvents", "CheckAllActions"}) {
        SendRig::click(rig.sendDialog(), box);
    }
    SendRig::click(rig.sendDialog(), "cmdOk");
}

// The window's sends go to the send history of its library, as korucfg's do.
TEST(WindowHistoryTest, ASendFromTheWindowIsLoggedInItsLibrary) {
    SendRig rig;
    SimulatedLine line(rig);
    ASSERT_TRUE(rig.open(test::WriteBaseUnit(rig.library.path())));
    SendRadio(rig);
    ASSERT_TRUE(rig.driveToEnd());

    SendHistory history(rig.library.path());
    const std::vector<SendLogEntry> entries = history.readLog().entries;
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(entries[0].unitId, "0000000042");
    EXPECT_EQ(entries[0].device, line.unit.devicePath());
    EXPECT_EQ(entries[0].outcomes, (std::vector<GroupOutcome>{{"radio", "acknowledged"}}));
    EXPECT_TRUE(entries[0].program.starts_with("koru-configurator "));
    const UnitSendState state = history.readState("0000000042");
    ASSERT_EQ(state.records.size(), 1U);
    EXPECT_TRUE(state.records.at(3).acknowledged);
}

// A send log spoiled by hand is kept aside and the send goes on; the progress dialog says so.
TEST(WindowHistoryTest, ADamagedLogIsSaidInTheProgressDialogAndTheSendGoesOn) {
    SendRig rig;
    SimulatedLine line(rig);
    ASSERT_TRUE(rig.open(test::WriteBaseUnit(rig.library.path())));
    const SendHistory paths(rig.library.path());
    std::filesystem::create_directories(paths.folder());
    test::WriteBytes(paths.logFile(), "written over by a spreadsheet\r\n");

    SendRadio(rig);
    ASSERT_TRUE(rig.driveToEnd());

    EXPECT_EQ(rig.send().verdict(), "Selected parameters saved in Koru");
    auto* note = Control<QLabel>(rig.progress(), "lblNote");
    EXPECT_TRUE(note->isVisibleTo(rig.progress()));
    EXPECT_TRUE(note->text().contains("could not be used (it is not a send log); it is kept as"))
        << note->text().toStdString();
    EXPECT_EQ(SendHistory(rig.library.path()).readLog().entries.size(), 1U);
}

}  // namespace
}  // namespace koru
