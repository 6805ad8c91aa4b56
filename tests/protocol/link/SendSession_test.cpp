#include <gtest/gtest.h>

#include <QSignalSpy>

#include "protocol/SessionPlanner.h"
#include "protocol/link/PacketSender.h"
#include "protocol/link/SendSession.h"
#include "protocol/link/UnitSimulator.h"
#include "tests/support/LinkRig.h"
#include "tests/support/SampleUnits.h"

namespace koru {
namespace {

using namespace std::chrono_literals;

// A unit on virtual time: answers each packet line 50 ms after it was written, as told.
struct ScriptedUnit {
    enum class Answer { Acknowledge, Mismatch, Error, Silent, Vanish };

    ScriptedUnit(test::FakeSerialPort& port, Clock& clock) : port_(port), clock_(clock) {
        port_.onWrite = [this](const std::string& line) { onLine(line); };
    }
    void onLine(const std::string& line) {
        const auto body = line.find(';', 20) + 1;
        if (line.compare(body, 6, "START;") == 0 || line.compare(body, 4, "END;") == 0 ||
            line.compare(body, 6, "ABORT;") == 0) {
            return;
        }
        ++packets;
        const Answer answer = packets == at ? special : Answer::Acknowledge;
        const std::string n = std::to_string(UnitSimulator::CountRecords(line.substr(body, line.size() - body - 2)));
        std::string reply;
        switch (answer) {
            case Answer::Acknowledge: reply = "M" + n + ";C" + n + ";\r\n"; break;
            case Answer::Mismatch: reply = "M" + n + ";C9;\r\n"; break;
            case Answer::Error: reply = "E12;\r\n"; break;
            case Answer::Silent: return;
            case Answer::Vanish: vanish = true; break;
        }
        auto timer = clock_.createTimer();
        timer->setSingleShot(true);
        timer->onTimeout = [this, reply] {
            if (std::exchange(vanish, false)) {
                port_.loseDevice();
            } else {
                port_.receive(reply);
            }
        };
        timer->start(delay);
        timers_.push_back(std::move(timer));
    }

    int packets = 0;
    std::chrono::milliseconds delay = 50ms;
    int at = 0;
    Answer special = Answer::Acknowledge;
    bool vanish = false;

private:
    test::FakeSerialPort& port_;
    Clock& clock_;
    std::vector<std::unique_ptr<Timer>> timers_;
};

struct SessionRig : test::LinkRig {
    UnitConfiguration config = test::FullUnit();
    PacketSender sender{link, session, boxes, clock};
    SendSession send{link, sender, session, boxes, config};
    ScriptedUnit unit{port, clock};

    SessionRig() { link.configure(1, "9600,n,8,1", 3000ms); }
    // Runs virtual time until the session is over or stalls.
    void run() {
        for (int turn = 0; turn < 100000 && send.running(); ++turn) clock.advance(100ms);
    }
};

SendSelection only(std::initializer_list<int> records) {
    SendSelection selection;
    for (int record : records) selection.records[static_cast<std::size_t>(record)] = true;
    return selection;
}

struct SelectionCase {
    const char* name;
    SendSelection selection;
};

class SessionBytesTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SessionBytesTest, AcknowledgedSessionWritesThePlannedBytes) {
    SessionRig rig;
    const SendSelection& selection = GetParam().selection;
    const SessionTranscript plan = PlanSession(rig.config, selection);
    QSignalSpy finished(&rig.send, &SendSession::finished);

    ASSERT_TRUE(rig.send.start(selection));
    rig.run();

    EXPECT_EQ(rig.port.written, plan.bytes);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished[0][0].toBool(), plan.saved());
    EXPECT_EQ(rig.send.progress().status, plan.verdict);
    EXPECT_EQ(rig.send.progress().caption, plan.saved() ? "OK" : "Try again");
    EXPECT_EQ(rig.send.progress().value, selection.count());
    EXPECT_EQ(rig.send.progress().maximum, selection.count());
    EXPECT_NEAR(rig.session.errorScore(), plan.errorScore, 1e-9);
    EXPECT_FALSE(rig.port.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Selections, SessionBytesTest,
                         ::testing::Values(SelectionCase{"Everything", SendSelection::fromBoxes({})},
                                           SelectionCase{"RadioOnly", only({3})},
                                           SelectionCase{"NetworkOnly", only({2, 15})},
                                           SelectionCase{"MessageActions", only({10, 12, 13})},
                                           SelectionCase{"Nothing", SendSelection{}}),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(SendSessionTest, StatusEntriesFollowTheirGroups) {
    SessionRig rig;
    rig.send.start(only({1, 3}));
    rig.run();
    const std::string& log = rig.link.linkLog();
    // Record 3 logs its status, record 1 does not: exactly one entry.
    const auto first = log.find("\r\nStatus: OK");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("\r\nStatus: ", first + 1), std::string::npos);
}

TEST(SendSessionTest, MismatchWithFewGroupsFailsThenTryAgainSucceeds) {
    SessionRig rig;
    rig.unit.at = 1;
    rig.unit.special = ScriptedUnit::Answer::Mismatch;
    const SendSelection selection = only({3});

    rig.send.start(selection);
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 3.0);
    rig.run();
    // 3 to start, +1 for the differing counts, +1 for the time-outs that force the end line out.
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 5.0);
    EXPECT_EQ(rig.send.progress().caption, "Try again");
    EXPECT_EQ(rig.send.progress().status, kVerdictFailed);
    EXPECT_NE(rig.link.linkLog().find("Error in handle_commands(): 1  9"), std::string::npos);

    rig.port.written.clear();
    rig.send.pressButton();
    EXPECT_EQ(rig.send.progress().caption, "Abort");
    rig.run();
    EXPECT_EQ(rig.port.written, PlanSession(rig.config, selection).bytes);
    EXPECT_EQ(rig.send.progress().caption, "OK");
    EXPECT_EQ(rig.send.progress().status, kVerdictSaved);

    QSignalSpy unloaded(&rig.send, &SendSession::unloadRequested);
    rig.send.pressButton();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(rig.send.progress().caption, "Abort");
    EXPECT_EQ(rig.send.progress().status, "");
    EXPECT_EQ(rig.send.progress().value, 0);
}

TEST(SendSessionTest, ErrorReportIsShownAndTheSessionGoesOn) {
    SessionRig rig;
    rig.unit.at = 1;
    rig.unit.special = ScriptedUnit::Answer::Error;
    rig.send.start(only({1, 2, 15, 3}));
    rig.run();
    ASSERT_FALSE(rig.boxes.shown.empty());
    EXPECT_EQ(rig.boxes.shown[0].text, "Koru reports error E12");
    EXPECT_NE(rig.link.linkLog().find("Comstatus forced OK"), std::string::npos);
    EXPECT_FALSE(rig.send.running());
    EXPECT_NE(rig.port.written.find("ORVEN_AB_KORU_SETUP;"), std::string::npos);
    EXPECT_EQ(rig.port.written.substr(rig.port.written.size() - 6), "END;\r\n");
}

TEST(SendSessionTest, AbortDuringTheWaitEndsTheSession) {
    SessionRig rig;
    rig.unit.at = 1;
    rig.unit.special = ScriptedUnit::Answer::Silent;
    QSignalSpy stalled(&rig.send, &SendSession::stalled);
    rig.send.start(only({1, 2, 15, 3}));
    rig.clock.advance(2000ms);  // start line, packet 1 unanswered, packet 2 waiting

    rig.send.pressButton();
    EXPECT_EQ(rig.send.progress().status, kAbortedText);
    EXPECT_EQ(rig.send.progress().caption, "Close");
    EXPECT_EQ(stalled.count(), 1);
    EXPECT_FALSE(rig.send.running());
    EXPECT_FALSE(rig.port.isOpen());
    const std::string abortLine = rig.session.header() + "ABORT;\r\n";
    EXPECT_EQ(rig.port.written.substr(rig.port.written.size() - abortLine.size()), abortLine);
    EXPECT_EQ(rig.port.written.find("END;"), std::string::npos);

    rig.clock.advance(60s);
    EXPECT_EQ(rig.port.written.find("ABORT;"), rig.port.written.rfind("ABORT;"));  // written once

    QSignalSpy hidden(&rig.send, &SendSession::hideRequested);
    rig.send.pressButton();
    EXPECT_EQ(hidden.count(), 1);
    EXPECT_FALSE(rig.send.progress().visible);
}

TEST(SendSessionTest, VanishedDeviceEndsWithTheVerdict) {
    SessionRig rig;
    rig.unit.at = 2;
    rig.unit.special = ScriptedUnit::Answer::Vanish;
    QSignalSpy finished(&rig.send, &SendSession::finished);
    rig.send.start(SendSelection::fromBoxes({}));
    rig.run();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_FALSE(finished[0][0].toBool());
    EXPECT_EQ(rig.send.progress().status, kVerdictFailed);
    EXPECT_EQ(rig.send.progress().caption, "Try again");
    EXPECT_NE(rig.link.linkLog().find("\r\nConnection lost: "), std::string::npos);
    EXPECT_EQ(rig.unit.packets, 2);  // nothing after the device went
}

// The device goes away a second after a packet: past the settling pause, while the next hand-over (a
// group's packet, or the end line) waits for the acknowledgement.
TEST(SendSessionTest, DeviceLostDuringTheWaitEndsWithTheFailureVerdict) {
    struct Case {
        const char* name;
        SendSelection selection;
        int vanishAt;
    };
    const Case cases[] = {
        {"before the next group", SendSelection::fromBoxes({}), 2},
        {"before the end line", only({3}), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionRig rig;
        rig.unit.at = c.vanishAt;
        rig.unit.delay = 1000ms;
        rig.unit.special = ScriptedUnit::Answer::Vanish;
        QSignalSpy finished(&rig.send, &SendSession::finished);
        rig.send.start(c.selection);
        rig.run();
        ASSERT_EQ(finished.count(), 1);
        EXPECT_FALSE(finished[0][0].toBool());
        EXPECT_EQ(rig.send.progress().status, kVerdictFailed);
        EXPECT_EQ(rig.send.progress().caption, "Try again");
        EXPECT_EQ(rig.unit.packets, c.vanishAt);
        EXPECT_EQ(rig.port.written.find("END;"), std::string::npos);
        EXPECT_TRUE(rig.boxes.shown.empty()) << "no reconnect attempt after the loss";
    }
}

TEST(SendSessionTest, ClosedPortThatCannotOpenStartsNothing) {
    SessionRig rig;
    rig.port.missingDevices = {"/dev/ttyS0"};
    EXPECT_FALSE(rig.send.start(only({3})));
    EXPECT_EQ(rig.port.written, "");
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, "Error connecting. No such file or directory");
    EXPECT_FALSE(rig.send.progress().visible);
}

}  // namespace
}  // namespace koru
