#include <gtest/gtest.h>

#include <QTest>

#include "platform/MemorySettingsStore.h"
#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"
#include "protocol/SessionPlanner.h"
#include "protocol/link/PacketSender.h"
#include "protocol/link/SendSession.h"
#include "protocol/link/UnitSimulator.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/SampleUnits.h"

namespace koru {
namespace {

using namespace std::chrono_literals;

// The live program's pieces on real time, talking to a simulated unit over a pseudo-terminal.
struct LiveRig {
    UnitSimulator unit;
    QtSerialPort port;
    MemorySettingsStore store;
    test::RecordingMessageBoxes boxes;
    QtClock clock;
    SessionState session;
    SerialLink link{port, store, boxes, clock, session};
    PacketSender sender{link, session, boxes, clock};
    UnitConfiguration config = test::FullUnit();
    SendSession send{link, sender, session, boxes, config};

    explicit LiveRig(SimulatorOptions options) : unit(std::move(options)) {
        std::string error;
        if (!unit.open(error)) throw std::runtime_error(error);
        store.setValue("serialsetup", "ComDevice1", unit.devicePath());
        link.configure(1, "9600,n,8,1", 1000ms);
    }
    bool runToEnd(int timeoutMs = 60000) {
        return QTest::qWaitFor([this] { return !send.running(); }, timeoutMs);
    }
};

SendSelection only(std::initializer_list<int> records) {
    SendSelection selection;
    for (int record : records) selection.records[static_cast<std::size_t>(record)] = true;
    return selection;
}

struct LiveCase {
    const char* name;
    SimulatorOptions options;
    SendSelection selection;
    bool saved;
    const char* logged;   // must stand in the link log ("" for nothing)
    const char* message;  // the first message box ("" for none)
};

class LiveSessionTest : public ::testing::TestWithParam<LiveCase> {};

TEST_P(LiveSessionTest, EndsWithTheRightVerdict) {
    const LiveCase& c = GetParam();
    LiveRig rig(c.options);
    const SessionTranscript plan = PlanSession(rig.config, c.selection);

    ASSERT_TRUE(rig.send.start(c.selection));
    ASSERT_TRUE(rig.runToEnd());
    QTest::qWait(50);  // the last line's bytes reach the unit

    EXPECT_EQ(rig.send.progress().status, c.saved ? kVerdictSaved : kVerdictFailed);
    EXPECT_EQ(rig.send.progress().caption, c.saved ? "OK" : "Try again");
    EXPECT_FALSE(rig.port.isOpen());
    if (c.options.hangUpAt == 0) {
        EXPECT_EQ(rig.unit.received(), plan.bytes);
    }
    if (*c.logged) {
        EXPECT_NE(rig.link.linkLog().find(c.logged), std::string::npos) << rig.link.linkLog();
    }
    if (*c.message) {
        ASSERT_FALSE(rig.boxes.shown.empty());
        EXPECT_EQ(rig.boxes.shown[0].text, c.message);
    } else {
        EXPECT_TRUE(rig.boxes.shown.empty());
    }
}

SimulatorOptions split() {
    SimulatorOptions options;
    options.splitReplies = true;
    return options;
}
SimulatorOptions delayed() {
    SimulatorOptions options;
    options.delay = 300ms;
    return options;
}
SimulatorOptions errorAt(int packet) {
    SimulatorOptions options;
    options.errorAt = packet;
    return options;
}
SimulatorOptions mismatchAt(int packet) {
    SimulatorOptions options;
    options.mismatchAt = packet;
    return options;
}
SimulatorOptions silentFrom(int packet) {
    SimulatorOptions options;
    options.silentFrom = packet;
    return options;
}
SimulatorOptions hangUpAt(int packet) {
    SimulatorOptions options;
    options.hangUpAt = packet;
    return options;
}

INSTANTIATE_TEST_SUITE_P(
    Units, LiveSessionTest,
    ::testing::Values(
        LiveCase{"SetupGroups", {}, only({1, 2, 15, 3, 4}), true, "\r\nStatus: OK", ""},
        LiveCase{"SplitReplies", split(), only({1, 2, 15, 3, 4}), true, "Received: M", ""},
        LiveCase{"SlowUnit", delayed(), only({1, 3, 4, 5}), true, "", ""},
        LiveCase{"FewerThanFourGroups", {}, only({3}), true, "", ""},
        // An error report leaves the state waiting: three time-outs force it on, and the next reply is
        // read behind what is left of the report.
        LiveCase{"ErrorReport", errorAt(1), only({1, 2, 15, 3}), true, "Comstatus forced OK", "Koru reports error E12"},
        // One group: the score starts at 3; differing counts and the forced end line bring it to 5.
        LiveCase{"DifferingCounts", mismatchAt(1), only({3}), false, "Error in handle_commands(): 1  2", ""},
        LiveCase{"SilentUnit", silentFrom(1), only({1, 3}), false, "Comstatus forced OK", ""},
        LiveCase{"HangUp", hangUpAt(2), only({1, 2, 15, 3, 4}), false, "\r\nConnection lost: ", ""}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(LiveSessionTest, FullUnitBytesEqualThePlan) {
    LiveRig rig({});
    const SendSelection everything = SendSelection::fromBoxes({});
    const SessionTranscript plan = PlanSession(rig.config, everything);
    ASSERT_TRUE(rig.send.start(everything));
    ASSERT_TRUE(rig.runToEnd(240000));
    QTest::qWait(50);
    EXPECT_EQ(rig.unit.received(), plan.bytes);
    EXPECT_EQ(rig.send.progress().status, plan.verdict);
    EXPECT_EQ(rig.send.progress().value, 14);
}

TEST(LiveSessionTest, TryAgainSendsTheSessionAgain) {
    LiveRig rig(mismatchAt(1));
    const SendSelection radio = only({3});
    rig.send.start(radio);
    ASSERT_TRUE(rig.runToEnd());
    ASSERT_EQ(rig.send.progress().caption, "Try again");

    rig.send.pressButton();
    EXPECT_EQ(rig.send.progress().caption, "Abort");
    ASSERT_TRUE(rig.runToEnd());
    QTest::qWait(50);
    EXPECT_EQ(rig.send.progress().caption, "OK");
    const std::string once = PlanSession(rig.config, radio).bytes;
    EXPECT_EQ(rig.unit.received(), once + once);
}

TEST(LiveSessionTest, AbortDuringTheWaitReachesTheUnit) {
    LiveRig rig(silentFrom(1));
    bool ended = false;
    QObject::connect(&rig.unit, &UnitSimulator::sessionEnded, [&] { ended = true; });
    rig.send.start(only({1, 2, 15, 3}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.unit.packetsReceived() == 1; }, 5000));
    QTest::qWait(700);  // the second packet now waits for an acknowledgement

    rig.send.pressButton();
    EXPECT_EQ(rig.send.progress().status, kAbortedText);
    EXPECT_EQ(rig.send.progress().caption, "Close");
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, 2000));
    const std::string abortLine = rig.session.header() + "ABORT;\r\n";
    const std::string& received = rig.unit.received();
    ASSERT_GE(received.size(), abortLine.size());
    EXPECT_EQ(received.substr(received.size() - abortLine.size()), abortLine);
    EXPECT_EQ(rig.unit.packetsReceived(), 1);
    EXPECT_FALSE(rig.port.isOpen());
}

}  // namespace
}  // namespace koru
