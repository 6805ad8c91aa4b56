#include <gtest/gtest.h>

#include <QTest>

#include "platform/QtSerialPort.h"
#include "tests/support/PtyPair.h"

namespace koru {
namespace {

struct PortOnPty {
    test::PtyPair pty;
    QtSerialPort port;
    std::vector<PortEvent> events;
    std::string lostDetail;

    PortOnPty() {
        port.setDevice(pty.devicePath());
        port.onEvent = [this](PortEvent event, const std::string& detail) {
            events.push_back(event);
            if (event == PortEvent::Lost) lostDetail = detail;
        };
    }
};

TEST(QtSerialPortTest, BytesGoOutAsTheyAre) {
    PortOnPty rig;
    EXPECT_EQ(rig.port.device(), rig.pty.devicePath());  // the whole path, as the log names it
    PortError error;
    ASSERT_TRUE(rig.port.open(error)) << error.description;
    const std::string line = "ORVEN_AB_KORU_SETUP;0000002A;1:Pump \xe5;\r\n";
    ASSERT_TRUE(rig.port.write(line, error));
    std::string got;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (got += rig.pty.readAvailable()).size() >= line.size(); }, 2000));
    EXPECT_EQ(got, line);
}

TEST(QtSerialPortTest, ArrivingBytesRaiseReceive) {
    PortOnPty rig;
    PortError error;
    ASSERT_TRUE(rig.port.open(error));
    rig.pty.write("M1;C1;\r\n");
    std::string got;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (got += rig.port.readAll()).size() >= 8; }, 2000));
    EXPECT_EQ(got, "M1;C1;\r\n");
    ASSERT_FALSE(rig.events.empty());
    EXPECT_EQ(rig.events.front(), PortEvent::Receive);
}

TEST(QtSerialPortTest, PseudoTerminalLinesAreUnknownNotFailures) {
    PortOnPty rig;
    PortError error;
    ASSERT_TRUE(rig.port.open(error));
    EXPECT_EQ(rig.port.carrierDetect(), LineState::Unknown);
    EXPECT_EQ(rig.port.clearToSend(), LineState::Unknown);
    EXPECT_EQ(rig.port.dataSetReady(), LineState::Unknown);
    EXPECT_EQ(rig.port.dataTerminalReady(), LineState::Unknown);
    EXPECT_FALSE(rig.port.setDataTerminalReady(false));
    EXPECT_TRUE(rig.port.isOpen());
    EXPECT_TRUE(rig.events.empty());
}

TEST(QtSerialPortTest, HangUpIsReportedOnceAndCloses) {
    PortOnPty rig;
    PortError error;
    ASSERT_TRUE(rig.port.open(error));
    rig.pty.hangUp();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rig.events.empty(); }, 2000));
    EXPECT_FALSE(QTest::qWaitFor([&] { return rig.events.size() > 1; }, 100)) << "the error must not repeat";
    EXPECT_EQ(rig.events, std::vector<PortEvent>{PortEvent::Lost});
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.lostDetail.empty());
}

TEST(QtSerialPortTest, AMissingDeviceFailsWithNumberDescriptionAndSource) {
    QtSerialPort port;
    port.setDevice("/dev/no-such-koru-port");
    PortError error;
    EXPECT_FALSE(port.open(error));
    EXPECT_EQ(error.number, 8002);
    EXPECT_FALSE(error.description.empty());
    EXPECT_EQ(error.source, "ComPort");
    EXPECT_FALSE(port.isOpen());
}

TEST(QtSerialPortTest, SecondOpenOfTheSamePortFails) {
    PortOnPty rig;
    PortError error;
    ASSERT_TRUE(rig.port.open(error));
    EXPECT_FALSE(rig.port.open(error));
    EXPECT_EQ(error.number, 8005);
}

TEST(QtSerialPortTest, WriteOnClosedPortFails) {
    QtSerialPort port;
    PortError error;
    EXPECT_FALSE(port.write("x", error));
    EXPECT_EQ(error.number, 8018);
}

}  // namespace
}  // namespace koru
