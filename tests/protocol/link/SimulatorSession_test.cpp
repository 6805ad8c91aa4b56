#include <gtest/gtest.h>

#include <QTest>

#include "platform/MemorySettingsStore.h"
#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"
#include "protocol/SessionPlanner.h"
#include "protocol/link/SendStack.h"
#include "protocol/link/UnitSimulator.h"
#include "tests/support/NamedCase.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/Selections.h"

namespace koru {
namespace {

using namespace std::chrono_literals;
using test::PrintTo;
using test::Records;
using enum Record;

// The live program's send stack on real time, talking to a simulated unit over a pseudo-terminal.
struct LiveRig {
    UnitSimulator unit;
    MemorySettingsStore store;
    test::RecordingMessageBoxes boxes;
    UnitConfiguration config = test::FullUnit();
    SendStack stack{std::make_unique<QtSerialPort>(), std::make_unique<QtClock>(), boxes, store, config};
    SendSession& send = stack.send();

    explicit LiveRig(SimulatorOptions options) : unit(std::move(options)) {
        std::string error;
        if (!unit.open(error)) throw std::runtime_error(error);
        stack.link().setPort(1, unit.devicePath());
        stack.link().setReplyTimeout(1000ms);
    }
    bool runToEnd(int timeoutMs = 60000) {
        return QTest::qWaitFor([this] { return !send.running(); }, timeoutMs);
    }
    // Waits until the unit has read `bytes` (the sender closes the port right after its last line).
    bool unitReceived(const std::string& bytes) {
        return QTest::qWaitFor([&] { return unit.received().size() >= bytes.size(); }, 5000) &&
               unit.received() == bytes;
    }
};

struct LiveCase {
    const char* name;
    SimulatorOptions options;
    SendSelection selection;
    bool saved;
    const char* logged;   // must stand in the link log ("" for nothing)
    const char* message;  // the first message box ("" for none)
    const char* report;   // the report's first line
};

class LiveSessionTest : public ::testing::TestWithParam<LiveCase> {};

TEST_P(LiveSessionTest, EndsWithTheRightVerdictAndReport) {
    const LiveCase& c = GetParam();
    LiveRig rig(c.options);
    const SessionTranscript plan = PlanSession(rig.config, c.selection);

    ASSERT_TRUE(rig.send.start(c.selection));
    ASSERT_TRUE(rig.runToEnd());

    EXPECT_EQ(rig.send.saved(), c.saved);
    EXPECT_EQ(rig.send.progress().status, c.saved ? kVerdictSaved : kVerdictFailed);
    EXPECT_EQ(rig.send.progress().button, c.saved ? ButtonMode::Ok : ButtonMode::TryAgain);
    EXPECT_FALSE(rig.stack.port().isOpen());
    if (c.options.hangUpAt == 0) {
        EXPECT_TRUE(rig.unitReceived(plan.bytes));
    }
    if (*c.logged) {
        EXPECT_NE(rig.stack.link().linkLog().text().find(c.logged), std::string::npos);
    }
    if (*c.message) {
        ASSERT_FALSE(rig.boxes.shown.empty());
        EXPECT_EQ(rig.boxes.shown[0].text, c.message);
    } else {
        EXPECT_TRUE(rig.boxes.shown.empty());
    }
    EXPECT_EQ(rig.send.report().lines().at(0), c.report);
}

SimulatorOptions Split() {
    SimulatorOptions options;
    options.splitReplies = true;
    return options;
}
SimulatorOptions Delayed() {
    SimulatorOptions options;
    options.delay = 300ms;
    return options;
}
SimulatorOptions ErrorAt(int packet) {
    SimulatorOptions options;
    options.errorAt = packet;
    return options;
}
SimulatorOptions MismatchAt(int packet) {
    SimulatorOptions options;
    options.mismatchAt = packet;
    return options;
}
SimulatorOptions SilentFrom(int packet) {
    SimulatorOptions options;
    options.silentFrom = packet;
    return options;
}
SimulatorOptions HangUpAt(int packet) {
    SimulatorOptions options;
    options.hangUpAt = packet;
    return options;
}

const SendSelection kSetup = Records({General, Network, Peers, Radio, Serial});

INSTANTIATE_TEST_SUITE_P(
    Units, LiveSessionTest,
    ::testing::Values(
        LiveCase{"SetupGroups", {}, kSetup, true, "\r\nStatus: OK", "", "General and Sleep setup (record 1): acknowledged"},
        LiveCase{"SplitReplies", Split(), kSetup, true, "Received: M", "", "General and Sleep setup (record 1): acknowledged"},
        LiveCase{"SlowUnit", Delayed(), Records({General, Radio, Serial, Inputs}), true, "", "",
                 "General and Sleep setup (record 1): acknowledged"},
        LiveCase{"FewerThanFourGroups", {}, Records({Radio}), true, "", "", "Radio setup (record 3): acknowledged"},
        // The report is consumed whole: the next packets' acknowledgements are read again after the three
        // time-outs forced the session on.
        LiveCase{"ErrorReport", ErrorAt(1), Records({General, Network, Peers, Radio}), false, "Comstatus forced OK",
                 "Koru reports error E12", "General and Sleep setup (record 1): error report E12"},
        LiveCase{"DifferingCounts", MismatchAt(1), Records({Radio}), false, "Error in handle_commands(): 1  2", "",
                 "Radio setup (record 3): differing counts"},
        LiveCase{"SilentUnit", SilentFrom(1), Records({General, Radio}), false, "Comstatus forced OK", "",
                 "General and Sleep setup (record 1): not answered"},
        LiveCase{"HangUp", HangUpAt(2), kSetup, false, "\r\nConnection lost: ", "",
                 "General and Sleep setup (record 1): acknowledged"}),
    test::RowName());

TEST(LiveSessionTest, AcknowledgementsAfterAnErrorReportCount) {
    LiveRig rig(ErrorAt(1));
    rig.send.start(Records({General, Network, Peers, Radio}));
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(rig.send.report().lines(),
              (std::vector<std::string>{"General and Sleep setup (record 1): error report E12",
                                        "Network setup (records 2, 15): acknowledged",
                                        "Radio setup (record 3): acknowledged"}));
    EXPECT_EQ(rig.stack.link().linkLog().text().find("No command found in buffer"), std::string::npos);
}

TEST(LiveSessionTest, TryAgainSendsTheSessionAgain) {
    LiveRig rig(MismatchAt(1));
    const SendSelection radio = Records({Radio});
    rig.send.start(radio);
    ASSERT_TRUE(rig.runToEnd());
    ASSERT_EQ(rig.send.progress().button, ButtonMode::TryAgain);

    rig.send.pressButton();
    EXPECT_EQ(rig.send.progress().button, ButtonMode::Abort);
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(rig.send.progress().button, ButtonMode::Ok);
    const std::string once = PlanSession(rig.config, radio).bytes;
    EXPECT_TRUE(rig.unitReceived(once + once));
}

TEST(LiveSessionTest, AbortDuringTheWaitReachesTheUnit) {
    LiveRig rig(SilentFrom(1));
    bool ended = false;
    QObject::connect(&rig.unit, &UnitSimulator::sessionEnded, [&] { ended = true; });
    rig.send.start(Records({General, Network, Peers, Radio}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.unit.packetsReceived() == 1; }, 5000));
    // The second packet now waits for an acknowledgement that does not come.
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.stack.sender().waitingForAcknowledgement(); }, 5000));

    rig.send.pressButton();
    EXPECT_EQ(rig.send.progress().status, kAbortedText);
    EXPECT_EQ(rig.send.progress().button, ButtonMode::Close);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, 2000));
    const std::string abortLine = rig.stack.session().header() + "ABORT;\r\n";
    EXPECT_TRUE(rig.unit.received().ends_with(abortLine));
    EXPECT_EQ(rig.unit.packetsReceived(), 1);
    EXPECT_FALSE(rig.stack.port().isOpen());
}

}  // namespace
}  // namespace koru
