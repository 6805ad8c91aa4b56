#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/QtSerialPort.h"
#include "tests/support/LinkRig.h"
#include "tests/support/NamedCase.h"
#include "tests/support/PtyPair.h"

namespace koru {
namespace {

using namespace std::chrono_literals;
using test::LinkRig;
using test::PrintTo;
using State = SessionState::State;

// A link that has sent a packet and awaits its answer.
struct WaitingRig : LinkRig {
    WaitingRig() {
        session.begin(test::kHeader42);
        session.state_event(SessionState::Event::StartPacket);
        link.connectPort();
    }
};

struct ReceiveCase {
    const char* name;
    std::vector<std::string> chunks;
    State state;               // after the last chunk
    std::string buffer;        // receive buffer after the last chunk
    std::string lastReceived;  // newest "Received: " entry, empty when nothing was handled
};

class LinkReceiveTest : public ::testing::TestWithParam<ReceiveCase> {};

TEST_P(LinkReceiveTest, HandlesOnlyChunksEndingTheReply) {
    const ReceiveCase& c = GetParam();
    WaitingRig rig;

    for (const std::string& chunk : c.chunks) rig.port.receive(chunk);

    EXPECT_EQ(rig.session.state(), c.state);
    EXPECT_EQ(rig.link.receiveBuffer(), c.buffer);
    const auto& entries = rig.link.linkLog().entries();
    const auto received = std::find_if(entries.begin(), entries.end(),
                                       [](const std::string& entry) { return entry.starts_with("Received: "); });
    EXPECT_EQ(received == entries.end() ? "" : *received, c.lastReceived);
}

INSTANTIATE_TEST_SUITE_P(
    Chunks, LinkReceiveTest,
    ::testing::Values(
        ReceiveCase{"WholeReply", {"M1;C1;\r\n"}, State::Ok, "", "Received: M1;C1;\r\n"},
        ReceiveCase{"SplitAfterCount", {"M1;", "C1;\r\n"}, State::Ok, "", "Received: M1;C1;\r\n"},
        // A USB adapter may hand over the LF in a read of its own: the buffer, not the chunk, ends the reply.
        ReceiveCase{"LineFeedAlone", {"M1;C1;\r", "\n"}, State::Ok, "", "Received: M1;C1;\r\n"},
        ReceiveCase{"CarriageReturnAndLineFeedAlone", {"M1;C1;", "\r\n"}, State::Ok, "", "Received: M1;C1;\r\n"},
        ReceiveCase{"NotYetEnded", {"M1;C1;\r"}, State::WaitM, "M1;C1;\r", ""},
        // Differing counts stay in the buffer; blanks that arrive later do not hand them over again.
        ReceiveCase{"DifferingCountsThenBlanks", {"M1;C2;\r\n", "   "}, State::Err, "M1;C2;\r\n",
                    "Received: M1;C2;\r\n"},
        ReceiveCase{"TrailingBlanks", {"M1;C1;\r\n   "}, State::Ok, "", "Received: M1;C1;\r\n"},
        ReceiveCase{"LeadingBlanks", {"   M1;C1;\r\n"}, State::Ok, "", "Received: M1;C1;\r\n"},
        ReceiveCase{"OverLongBufferEmptied", {std::string(16385, 'x')}, State::WaitM, "", ""},
        ReceiveCase{"BufferAtLimitKept", {std::string(16384, 'x')}, State::WaitM, std::string(16384, 'x'), ""}),
    test::RowName());

TEST(SerialLinkTest, DifferingCountsAreCountedOnceWhateverFollows) {
    WaitingRig rig;
    rig.port.receive("M1;C2;\r\n");
    rig.port.receive("  ");
    rig.port.receive("");
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 1.0);
}

// A reply cut into two reads anywhere, also between its CR and its LF, through a real pseudo-terminal: the
// second read completes it and the packet counts as acknowledged.
TEST(SerialLinkTest, AReplySplitAtAnyPositionIsAcknowledged) {
    for (const std::string reply : {"M1;C1;\r\n", "M12;C12;\r\n"}) {
        for (std::size_t at = 1; at < reply.size(); ++at) {
            SCOPED_TRACE(testing::PrintToString(reply) + " split after " + std::to_string(at));
            test::PtyPair unit;
            SessionState session;
            test::RecordingMessageBoxes boxes;
            test::VirtualClock clock;
            QtSerialPort port;
            SerialLink link(port, boxes, clock, session);
            link.setPort(1, unit.devicePath());
            link.connectPort();
            ASSERT_TRUE(link.connected());
            session.begin(test::kHeader42);
            session.state_event(SessionState::Event::StartPacket);
            QSignalSpy replies(&link, &SerialLink::replyRead);

            unit.write(reply.substr(0, at));
            ASSERT_TRUE(QTest::qWaitFor([&] { return link.receiveBuffer() == reply.substr(0, at); }, 2000));
            unit.write(reply.substr(at));
            ASSERT_TRUE(QTest::qWaitFor([&] { return replies.count() > 0; }, 2000));

            EXPECT_EQ(replies[0][0].value<ReplyKind>(), ReplyKind::Acknowledgement);
            EXPECT_EQ(session.state(), State::Ok);
            EXPECT_EQ(link.receiveBuffer(), "");
            link.disconnectPort();
        }
    }
}

// A unit that floods the line: what the link keeps of it stays small however much arrives, also when a
// megabyte piles up during each settling pause.
TEST(SerialLinkTest, AFloodLeavesBoundedTraces) {
    WaitingRig rig;
    std::string flood;
    while (flood.size() < (1u << 20)) flood += "OK;\r\n";
    for (int pause = 0; pause < 20; ++pause) {
        rig.link.holdEvents();
        rig.port.receive(flood);
        rig.link.releaseEvents();
        rig.clock.advance(10ms);
    }
    for (int line = 0; line < 1000; ++line) rig.port.receive("OK;\r\n");
    std::size_t logged = 0;
    for (const std::string& entry : rig.link.linkLog().entries()) {
        EXPECT_LE(entry.size(), 1100u) << entry.substr(0, 40);
        logged += entry.size();
    }
    EXPECT_EQ(rig.link.linkLog().entries().size(), LinkLog::kCapacity);
    EXPECT_LE(logged, 2200000u);
    EXPECT_LE(rig.link.receiveBuffer().size(), SerialLink::kReceiveLimit);
}

// However fast a flood comes, the link reads it at most every 10 ms, so it costs little time either; a
// reply after the flood is still read.
TEST(SerialLinkTest, AFloodIsReadAtAGentlePace) {
    WaitingRig rig;
    std::string block;
    while (block.size() < 8192) block += "OK;\r\n";
    const auto reads = [&rig] {
        const auto& entries = rig.link.linkLog().entries();
        return std::count_if(entries.begin(), entries.end(),
                             [](const std::string& entry) { return entry.starts_with("Received: "); });
    };
    for (int i = 0; i < 50; ++i) rig.port.receive(block);
    EXPECT_EQ(reads(), 1);
    rig.clock.advance(9ms);
    EXPECT_EQ(reads(), 1);
    rig.clock.advance(1ms);
    EXPECT_EQ(reads(), 2);
    rig.port.receive("M1;C1;\r\n");
    rig.clock.advance(10ms);
    EXPECT_EQ(rig.session.state(), State::Ok);
    rig.port.receive("M2;C2;\r\n");  // once the flood is over, replies are read at once again
    rig.clock.advance(10ms);
    rig.session.state_event(SessionState::Event::StartPacket);
    rig.port.receive("M3;C3;\r\n");
    EXPECT_EQ(rig.session.state(), State::Ok);
}

// A unit that repeats its error report, or a port that keeps failing to open, shows one box at a time; what
// is not shown stays in the link log (and the delivery report).
TEST(SerialLinkTest, ShowsOneBoxAtATime) {
    WaitingRig rig;
    rig.boxes.keepOpen = true;
    QSignalSpy replies(&rig.link, &SerialLink::replyRead);
    for (int report = 0; report < 50; ++report) rig.port.receive("E12;\r\n");
    rig.link.disconnectPort();
    rig.port.missingDevices = {rig.port.device()};
    rig.link.connectPort();
    EXPECT_EQ(replies.count(), 50);
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, "Koru reports error E12");
    EXPECT_NE(rig.link.linkLog().text().find("Error connecting. "), std::string::npos);

    rig.boxes.closeAll();
    rig.link.connectPort();
    rig.link.connectPort();
    ASSERT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_TRUE(rig.boxes.shown[1].text.starts_with("Error connecting. ")) << rig.boxes.shown[1].text;
}

TEST(SerialLinkTest, RepliesAreReportedWithWhatTheySaid) {
    WaitingRig rig;
    QSignalSpy replies(&rig.link, &SerialLink::replyRead);
    rig.port.receive("E12;\r\n");
    rig.port.receive("M1;C2;\r\n");
    ASSERT_EQ(replies.count(), 2);
    EXPECT_EQ(replies[0][0].value<ReplyKind>(), ReplyKind::ErrorReport);
    EXPECT_EQ(replies[0][1].value<std::string>(), "E12");
    EXPECT_EQ(replies[1][0].value<ReplyKind>(), ReplyKind::DifferingCounts);
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, "Koru reports error E12");
}

TEST(SerialLinkTest, ThreeTimeoutsForceOkWhileConnectedAndKeepForcing) {
    WaitingRig rig;
    rig.link.setReplyTimeout(3000ms);
    rig.link.setSendTimerEnabled(true);

    rig.clock.advance(6000ms);
    EXPECT_EQ(rig.session.state(), State::WaitM);

    rig.clock.advance(3000ms);
    EXPECT_EQ(rig.session.state(), State::Ok);
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 1.0);
    EXPECT_EQ(rig.link.stateDisplay(), "ok");
    EXPECT_EQ(rig.link.linkLog().text().rfind("Comstatus forced OK\r\n...TIMEOUT...\r\n...TIMEOUT...\r\n...TIMEOUT...", 0),
              0u);

    rig.clock.advance(3000ms);  // the three stood together: every further tick forces again
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 2.0);
    rig.link.clearLog();
    rig.clock.advance(6000ms);  // an emptied log starts counting anew
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 2.0);
}

TEST(SerialLinkTest, AnyOtherEntryBreaksARunOfTimeouts) {
    WaitingRig rig;
    rig.link.setReplyTimeout(3000ms);
    rig.link.setSendTimerEnabled(true);
    rig.clock.advance(6000ms);
    rig.link.log("\r\nStatus: waitM");
    rig.clock.advance(6000ms);
    EXPECT_EQ(rig.session.state(), State::WaitM);
    rig.clock.advance(3000ms);
    EXPECT_EQ(rig.session.state(), State::Ok);
}

TEST(SerialLinkTest, TimeoutsWhileDisconnectedForceNothing) {
    LinkRig rig;
    rig.session.begin(test::kHeader42);
    rig.session.state_event(SessionState::Event::StartPacket);
    rig.link.setSendTimerEnabled(true);
    rig.clock.advance(9000ms);
    EXPECT_EQ(rig.link.linkLog().text(), "\r\n...TIMEOUT...\r\n...TIMEOUT...\r\n...TIMEOUT...debug output");
    EXPECT_EQ(rig.session.state(), State::WaitM);
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 0.0);
}

TEST(SerialLinkTest, TheLogKeepsItsNewestEntriesAndSignalsEachOne) {
    LinkRig rig;
    QSignalSpy added(&rig.link.linkLog(), &LinkLog::entryAdded);
    for (std::size_t n = 0; n < LinkLog::kCapacity + 5; ++n) rig.link.log(std::to_string(n));
    EXPECT_EQ(added.count(), static_cast<int>(LinkLog::kCapacity + 5));
    EXPECT_EQ(rig.link.linkLog().entries().size(), LinkLog::kCapacity);
    EXPECT_EQ(rig.link.linkLog().entries().front(), std::to_string(LinkLog::kCapacity + 4));
    EXPECT_EQ(rig.link.linkLog().entries().back(), "5");
}

TEST(SerialLinkTest, HeldEventsWaitForRelease) {
    WaitingRig rig;
    rig.link.holdEvents();
    rig.port.receive("M1;");
    rig.port.receive("C1;\r\n");
    EXPECT_EQ(rig.session.state(), State::WaitM);
    rig.link.releaseEvents();
    EXPECT_EQ(rig.session.state(), State::Ok);  // both chunks read as one
}

TEST(SerialLinkTest, LostDeviceClosesAndSaysSo) {
    LinkRig rig;
    rig.link.connectPort();
    QSignalSpy lost(&rig.link, &SerialLink::portLost);
    rig.port.loseDevice("Input/output error");
    EXPECT_FALSE(rig.link.connected());
    EXPECT_EQ(rig.link.linkLog().entries().front(), "\r\nConnection lost: Input/output error");
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
    rig.link.connectPort();
    EXPECT_TRUE(rig.link.connected());  // lines that cannot be reported never fail the link

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
                         test::RowName());

}  // namespace
}  // namespace koru
