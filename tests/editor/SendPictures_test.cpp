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
    const QString folder = qEnvironmentVariable("KORU_SHOTS_DIR");

    const auto picture = [&](const char* name, QWidget* dialog) {
        ASSERT_TRUE(dialog->isVisible()) << name;
        dialog->adjustSize();
        const QSize size = dialog->frameGeometry().size();
        EXPECT_LE(size.width(), 1280) << name;
        EXPECT_LE(size.height(), 800) << name;
        if (!folder.isEmpty()) {
            EXPECT_TRUE(dialog->grab().save(folder + "/" + name + ".png")) << name;
        }
    };

    rig.window->controls().overview.send->click();
    picture("31-send-to-unit", rig.sendDialog());
    SendRig::click(rig.sendDialog(), QStringLiteral("cmdOk"));

    ASSERT_TRUE(rig.drive([&] { return line.unit.packetsReceived() >= 12; }));
    picture("32-progress-mid-send", rig.progress());
    ASSERT_TRUE(rig.driveToEnd());
    picture("33-progress-failed", rig.progress());
    // The settings dialog as the session left it: the link log, the session state, the lamps.
    rig.settings()->show();
    picture("30-communication-settings", rig.settings());
}

}  // namespace
}  // namespace koru
