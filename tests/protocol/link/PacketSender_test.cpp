#include <gtest/gtest.h>

#include <QSignalSpy>

#include <optional>

#include "protocol/link/PacketSender.h"
#include "tests/support/LinkRig.h"
#include "tests/support/NamedCase.h"

namespace koru {
namespace {

using namespace std::chrono_literals;
using test::kHeader42;
using test::PrintTo;
using State = SessionState::State;

struct SenderRig : test::LinkRig {
    std::optional<bool> result;

    SenderRig() {
        link.setReplyTimeout(10000ms);  // time-outs far enough apart not to force anything
        session.begin(kHeader42);
        link.connectPort();
    }
    void send(const std::string& packet, PacketSender::Mode mode = PacketSender::Mode::Normal) {
        result.reset();
        sender.send(packet, mode, [this](bool written) { result = written; });
    }
};

TEST(PacketSenderTest, EmptyPacketWritesNothingAndKeepsTimer) {
    SenderRig rig;
    rig.send("");
    EXPECT_EQ(rig.result, true);
    EXPECT_EQ(rig.port.written, "");
    EXPECT_TRUE(rig.link.sendTimerEnabled());
}

TEST(PacketSenderTest, WritesAtOnceInOkThenSettles) {
    SenderRig rig;
    rig.send("3:0:0:0:0:0:3:20:60::0;");
    EXPECT_EQ(rig.port.written, "ORVEN_AB_KORU_SETUP;0000002A;3:0:0:0:0:0:3:20:60::0;\r\n");
    EXPECT_EQ(rig.session.state(), State::WaitM);
    rig.clock.advance(499ms);
    EXPECT_FALSE(rig.result.has_value());
    rig.clock.advance(1ms);
    EXPECT_EQ(rig.result, true);
}

TEST(PacketSenderTest, RepliesDuringThePauseWaitUntilItEnds) {
    SenderRig rig;
    rig.send("1:A;");
    rig.clock.advance(100ms);
    rig.port.receive("M1;C1;\r\n");
    EXPECT_EQ(rig.session.state(), State::WaitM);
    rig.clock.advance(400ms);
    EXPECT_EQ(rig.session.state(), State::Ok);
    EXPECT_EQ(rig.result, true);
}

TEST(PacketSenderTest, NextPacketWaitsForTheAcknowledgement) {
    SenderRig rig;
    rig.send("1:A;");
    rig.clock.advance(500ms);
    rig.send("2:B;");
    rig.clock.advance(2000ms);
    EXPECT_EQ(rig.port.writes.size(), 1u);

    rig.port.receive("M1;C1;\r\n");
    EXPECT_EQ(rig.port.writes.size(), 1u);  // looked at once the reply has been handled completely
    rig.clock.runPending();
    ASSERT_EQ(rig.port.writes.size(), 2u);
    EXPECT_EQ(rig.port.writes[1], "ORVEN_AB_KORU_SETUP;0000002A;2:B;\r\n");
    EXPECT_NEAR(rig.session.errorScore(), -0.3, 1e-9);
}

// The start line goes out as it is, with no wait; a packet line counts as awaiting its answer only once
// it went out whole, and a failed write is logged and fails the hand-over.
TEST(PacketSenderTest, TellsWhichLinesWentOutAsPackets) {
    SenderRig rig;
    QSignalSpy written(&rig.sender, &PacketSender::packetWritten);
    rig.send("anything\r\n", PacketSender::Mode::Override);
    EXPECT_EQ(rig.port.written, "anything\r\n");
    EXPECT_EQ(rig.session.state(), State::Ok);
    rig.clock.advance(500ms);
    EXPECT_EQ(rig.result, true);
    EXPECT_EQ(written.count(), 0);
    rig.send("1:A;");
    EXPECT_EQ(written.count(), 1);
    rig.port.receive("M1;C1;\r\n");
    rig.clock.advance(500ms);
    rig.port.close();  // closed behind the link's back: the write fails
    rig.send("2:B;");
    rig.clock.advance(500ms);
    EXPECT_EQ(written.count(), 1);
    EXPECT_EQ(rig.result, false);
    EXPECT_EQ(rig.link.linkLog().entries().front(),
              "\r\nError in do_send2(): 8018  Operation valid only when the port is open\r\n0\r\n4");
}

TEST(PacketSenderTest, WritesAnywayAfterFifteenSeconds) {
    SenderRig rig;
    rig.send("1:A;");
    rig.clock.advance(500ms);
    rig.send("2:B;");
    rig.clock.advance(14999ms);
    EXPECT_EQ(rig.port.writes.size(), 1u);
    rig.clock.advance(1ms);
    EXPECT_EQ(rig.port.writes.size(), 2u);
    rig.clock.advance(500ms);
    EXPECT_EQ(rig.result, true);
}

struct LengthCase {
    const char* name;
    std::size_t length;
    bool result;
    bool boxShown;
};

class PacketLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(PacketLengthTest, LongPacketsAreReportedButWritten) {
    const LengthCase& c = GetParam();
    SenderRig rig;
    const std::string packet = "7:" + std::string(c.length - 3, 'x') + ";";
    rig.send(packet);
    EXPECT_EQ(rig.port.written, std::string(kHeader42) + packet + "\r\n");
    rig.clock.advance(500ms);
    EXPECT_EQ(rig.result, c.result);
    if (c.boxShown) {
        ASSERT_EQ(rig.boxes.shown.size(), 1u);
        EXPECT_EQ(rig.boxes.shown[0], (test::RecordingMessageBoxes::Shown{"Packet length exceeded", "Internal error",
                                                                         MessageIcon::Critical}));
        EXPECT_FALSE(rig.link.sendTimerEnabled());
    } else {
        EXPECT_TRUE(rig.boxes.shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, PacketLengthTest,
                         ::testing::Values(LengthCase{"AtTheLimit", 108, true, false},
                                           LengthCase{"OneOver", 109, false, true}),
                         test::RowName());

TEST(PacketSenderTest, EndLineStopsTheTimeoutTimer) {
    SenderRig rig;
    rig.link.startBlinkTimer();
    rig.send("END;");
    EXPECT_EQ(rig.port.written, "ORVEN_AB_KORU_SETUP;0000002A;END;\r\n");
    EXPECT_FALSE(rig.link.sendTimerEnabled());
    EXPECT_TRUE(rig.link.transferIndicatorBright());
}

struct ScoreCase {
    const char* name;
    double score;
    std::string written;
    bool result;
    bool open;
};

class GiveUpScoreTest : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(GiveUpScoreTest, AboveFourGivesUp) {
    const ScoreCase& c = GetParam();
    SenderRig rig;
    QSignalSpy gaveUp(&rig.sender, &PacketSender::gaveUp);
    rig.session.setErrorScore(c.score);
    rig.send("1:A;");
    rig.clock.advance(500ms);
    EXPECT_EQ(rig.port.written, c.written);
    EXPECT_EQ(rig.result, c.result);
    EXPECT_EQ(rig.port.isOpen(), c.open);
    EXPECT_EQ(gaveUp.count(), c.result ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, GiveUpScoreTest,
    ::testing::Values(ScoreCase{"Four", 4.0, "ORVEN_AB_KORU_SETUP;0000002A;1:A;\r\n", true, true},
                      ScoreCase{"AboveFour", 4.1, "ORVEN_AB_KORU_SETUP;0000002A;ABORT;\r\n", false, false}),
    test::RowName());

TEST(PacketSenderTest, AbortWritesTheAbortLineOnceBeforeClosing) {
    SenderRig rig;
    std::vector<bool> openWhenWritten;
    rig.port.onWrite = [&](const std::string&) { openWhenWritten.push_back(rig.port.isOpen()); };
    rig.send("1:A;");
    rig.clock.advance(500ms);
    rig.send("2:B;");  // waits for the acknowledgement
    rig.clock.advance(1000ms);

    rig.sender.abort();
    EXPECT_EQ(rig.result, false);  // the waiting hand-over ends at once, unwritten
    EXPECT_EQ(rig.port.written,
              "ORVEN_AB_KORU_SETUP;0000002A;1:A;\r\nORVEN_AB_KORU_SETUP;0000002A;ABORT;\r\n");
    EXPECT_EQ(openWhenWritten, (std::vector<bool>{true, true}));
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 5.0);
    EXPECT_TRUE(rig.session.abortSent());

    // Nothing more goes out in this session, and the link is not opened again for it.
    rig.sender.abort();
    rig.send("3:C;");
    rig.clock.advance(20s);
    EXPECT_EQ(rig.result, false);
    EXPECT_EQ(rig.port.writes.size(), 2u);
    EXPECT_EQ(rig.port.opened.size(), 1u);
}

TEST(PacketSenderTest, AbortInsideATextIsSentLikeAnyText) {
    SenderRig rig;
    rig.send("10:0:ABORT PUMP;");
    EXPECT_EQ(rig.port.written, "ORVEN_AB_KORU_SETUP;0000002A;10:0:ABORT PUMP;\r\n");
    rig.clock.advance(500ms);
    EXPECT_EQ(rig.result, true);
    EXPECT_FALSE(rig.session.abortSent());
}

TEST(PacketSenderTest, ClosedLinkIsOpenedForThePacket) {
    SenderRig rig;
    rig.link.disconnectPort();
    rig.send("1:A;");
    EXPECT_TRUE(rig.link.connected());
    EXPECT_EQ(rig.port.written, "ORVEN_AB_KORU_SETUP;0000002A;1:A;\r\n");
}

TEST(PacketSenderTest, LostDeviceEndsTheWaitAtOnce) {
    SenderRig rig;
    rig.send("1:A;");
    rig.clock.advance(500ms);
    rig.send("2:B;");
    rig.clock.advance(100ms);
    rig.port.loseDevice();
    rig.clock.advance(0ms);  // as soon as the loss has been heard everywhere, not after 15 s
    EXPECT_EQ(rig.result, false);
    EXPECT_FALSE(rig.sender.busy());
    EXPECT_EQ(rig.port.written.find("2:B;"), std::string::npos);
}

}  // namespace
}  // namespace koru
