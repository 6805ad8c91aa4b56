#include <gtest/gtest.h>

#include <QPushButton>

#include "platform/QtSerialDevices.h"
#include "tests/editor/SendRig.h"

namespace koru {
namespace {

using test::SendRig;

// The send windows on the busy sample unit, sending to a simulated unit that reports an error at packet 9
// and differing counts at packet 15, fit on a 1280x800 screen. With KORU_SHOTS_DIR set
// (scripts/screenshots.sh does, on a virtual display), each is also saved as a picture: the send dialog,
// the progress dialog mid-send and after the failed session, and the settings dialog after it with the
// machine's own devices.
TEST(SendPictures, TheSendWindowsFitOnTheScreen) {
    SendRig rig;
    SimulatorOptions options;
    options.errorAt = 9;
    options.mismatchAt = 15;
    test::SimulatedLine line(rig, options);
    rig.devices.devices = QtSerialDevices().list();
    ASSERT_TRUE(rig.open(KORU_SOURCE_DIR "/docs/samples/pumpstation.kuf"));
    rig.window->show();
    rig.window->controls().overview.send->click();
    test::TakePicture("31-send-to-unit", rig.sendDialog());
    SendRig::click(rig.sendDialog(), QStringLiteral("cmdOk"));

    ASSERT_TRUE(rig.drive([&] { return line.unit.packetsReceived() >= 12; }));
    test::TakePicture("32-progress-mid-send", rig.progress());
    ASSERT_TRUE(rig.driveToEnd());
    test::TakePicture("33-progress-failed", rig.progress());
    // The settings dialog as the session left it: the link log, the session state, the lamps.
    rig.settings()->show();
    test::TakePicture("30-communication-settings", rig.settings());
}

}  // namespace
}  // namespace koru
