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
    bool saved;
    const char* logged;   // must stand in the link log ("" for nothing)
    const char* message;  // the first message box ("" for none)
    std::vector<std::string> report;
};

class LiveSessionTest : public ::testing::TestWithParam<LiveCase> {};

// What only a real line shows: replies in pieces and late, and an error report followed by
// acknowledgements on the same line. (A unit that hangs up or is aborted on a real line: the window's tests.)
TEST_P(LiveSessionTest, EndsWithTheRightVerdictAndReport) {
    const LiveCase& c = GetParam();
    LiveRig rig(c.options);
    const SendSelection selection = Records({General, Network, Peers, Radio});
    const SessionTranscript plan = PlanSession(rig.config, selection);

    ASSERT_TRUE(rig.send.start(selection));
    ASSERT_TRUE(rig.runToEnd());

    EXPECT_EQ(rig.send.saved(), c.saved);
    EXPECT_EQ(rig.send.progress().status, c.saved ? kVerdictSaved : kVerdictFailed);
    EXPECT_EQ(rig.send.progress().button, c.saved ? ButtonMode::Ok : ButtonMode::TryAgain);
    EXPECT_FALSE(rig.stack.port().isOpen());
    EXPECT_TRUE(rig.unitReceived(plan.bytes));
    const std::string log = rig.stack.link().linkLog().text();
    EXPECT_NE(log.find(c.logged), std::string::npos);
    EXPECT_EQ(log.find("No command found in buffer"), std::string::npos);
    if (*c.message) {
        ASSERT_FALSE(rig.boxes.shown.empty());
        EXPECT_EQ(rig.boxes.shown[0].text, c.message);
    } else {
        EXPECT_TRUE(rig.boxes.shown.empty());
    }
    EXPECT_EQ(rig.send.report().lines(), c.report);
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

const std::vector<std::string> kAllAcknowledged{"General and Sleep setup (record 1): acknowledged",
                                                "Network setup (records 2, 15): acknowledged",
                                                "Radio setup (record 3): acknowledged"};

INSTANTIATE_TEST_SUITE_P(
    Units, LiveSessionTest,
    ::testing::Values(
        LiveCase{"SplitReplies", Split(), true, "Received: M1;C1;", "", kAllAcknowledged},
        LiveCase{"SlowUnit", Delayed(), true, "\r\nStatus: OK", "", kAllAcknowledged},
        // The report is consumed whole: once the time-outs forced the session on, the next packets'
        // acknowledgements are read again.
        LiveCase{"ErrorReport", ErrorAt(1), false, "Comstatus forced OK", "Koru reports error E12",
                 {"General and Sleep setup (record 1): error report E12", "Network setup (records 2, 15): acknowledged",
                  "Radio setup (record 3): acknowledged"}}),
    test::RowName());

}  // namespace
}  // namespace koru
