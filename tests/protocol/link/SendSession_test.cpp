#include <gtest/gtest.h>

#include <QSignalSpy>

#include "model/UnitFile.h"
#include "protocol/SessionPlanner.h"
#include "tests/support/LinkRig.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/ScriptedUnit.h"
#include "tests/support/Selections.h"

namespace koru {
namespace {

using namespace std::chrono_literals;
using test::Everything;
using test::PrintTo;
using test::Records;
using enum Record;

// The shipped base unit with an ID of its own: 19 packets in 14 groups.
UnitConfiguration BaseUnit() {
    UnitConfiguration config;
    if (auto error = LoadUnitFile(KORU_SOURCE_DIR "/files/Default Files/KORU Base.kdf", config)) {
        ADD_FAILURE() << error->describe();
    }
    config.unit.id = "0000000042";
    return config;
}

// The send stack on virtual time, talking to a simulated unit on the scripted port.
struct SessionRig : test::LinkRig {
    std::unique_ptr<test::ScriptedUnit> unit;

    explicit SessionRig(SimulatorOptions options = {}, UnitConfiguration sent = test::FullUnit()) {
        config = std::move(sent);
        unit = std::make_unique<test::ScriptedUnit>(port, clock, std::move(options));
    }
    // Runs virtual time until the session is over.
    void run() {
        for (int turn = 0; turn < 100000 && send.running(); ++turn) clock.advance(100ms);
        ASSERT_FALSE(send.running());
    }
    std::vector<std::string> report() const { return send.report().lines(); }
};

SimulatorOptions Options(int errorAt, int mismatchAt = 0, int silentFrom = 0) {
    SimulatorOptions options;
    options.errorAt = errorAt;
    options.mismatchAt = mismatchAt;
    options.silentFrom = silentFrom;
    return options;
}

struct SelectionCase {
    const char* name;
    SendSelection selection;
};

class SessionBytesTest : public ::testing::TestWithParam<SelectionCase> {};

// With every packet acknowledged a session writes what the dry run prints and ends as it says; the
// whole busiest unit takes about a minute of virtual time.
TEST_P(SessionBytesTest, AcknowledgedSessionWritesThePlannedBytes) {
    SessionRig rig;
    const SendSelection& selection = GetParam().selection;
    const SessionTranscript plan = PlanSession(rig.config, selection);
    QSignalSpy ended(&rig.send, &SendSession::ended);

    ASSERT_TRUE(rig.send.start(selection));
    rig.run();

    EXPECT_EQ(rig.port.written, plan.bytes);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended[0][0].toBool(), plan.saved());
    EXPECT_EQ(rig.send.progress().status, plan.verdict);
    EXPECT_EQ(rig.send.progress().button, plan.saved() ? ButtonMode::Ok : ButtonMode::TryAgain);
    EXPECT_EQ(rig.send.progress().value, selection.count());
    EXPECT_EQ(rig.send.progress().maximum, selection.count());
    EXPECT_NEAR(rig.session.errorScore(), plan.errorScore, 1e-9);
    EXPECT_FALSE(rig.port.isOpen());
    if (selection.count() > 0) {
        EXPECT_TRUE(rig.send.report().allAcknowledged());
    }
}

INSTANTIATE_TEST_SUITE_P(Selections, SessionBytesTest,
                         ::testing::Values(SelectionCase{"Everything", Everything()},
                                           SelectionCase{"RadioOnly", Records({Radio})},
                                           SelectionCase{"NetworkOnly", Records({Network, Peers})},
                                           SelectionCase{"MessageActions", Records({SentMessages, Actions, EventActions})},
                                           SelectionCase{"Nothing", SendSelection{}}),
                         test::RowName());

struct FaultCase {
    const char* name;
    SimulatorOptions unit;
    std::chrono::milliseconds timeout;
    std::vector<std::string> failed;  // the report's lines that are not "acknowledged"
};

class FaultySessionTest : public ::testing::TestWithParam<FaultCase> {};

// A unit that reports an error, answers with differing counts or stays silent: the wire carries the
// same bytes as a clean session, and the verdict and the report say what the unit did not confirm.
TEST_P(FaultySessionTest, NeverEndsSaved) {
    const FaultCase& c = GetParam();
    SessionRig rig(c.unit, BaseUnit());
    rig.link.setReplyTimeout(c.timeout);
    QSignalSpy ended(&rig.send, &SendSession::ended);

    ASSERT_TRUE(rig.send.start(Everything()));
    rig.run();

    ASSERT_EQ(ended.count(), 1);
    EXPECT_FALSE(ended[0][0].toBool());
    EXPECT_EQ(rig.send.progress().status, kVerdictFailed);
    EXPECT_EQ(rig.send.progress().button, ButtonMode::TryAgain);
    EXPECT_EQ(rig.port.written, PlanSession(rig.config, Everything()).bytes);
    std::vector<std::string> failed;
    for (const std::string& line : rig.report()) {
        if (!line.ends_with(": acknowledged") && !line.ends_with(": nothing to send")) failed.push_back(line);
    }
    EXPECT_EQ(failed, c.failed);
}

INSTANTIATE_TEST_SUITE_P(
    Units, FaultySessionTest,
    ::testing::Values(
        FaultCase{"ErrorReportAtPacket3", Options(3), 3000ms,
                  {"Network setup (records 2, 15): error report E12 (record 15, packet 1 of 1)"}},
        FaultCase{"DifferingCountsAtPacket3", Options(0, 3), 3000ms,
                  {"Network setup (records 2, 15): differing counts (record 15, packet 1 of 1)"}},
        FaultCase{"ErrorReportAndDifferingCounts", Options(5, 7), 3000ms,
                  {"Serial communication setup (record 4): error report E12",
                   "Input setup (record 5): differing counts (record 5, packet 2 of 2)"}},
        // Early acknowledgements once lowered the score so far that later silence went unnoticed.
        FaultCase{"SilentFromPacket17", Options(0, 0, 17), 3000ms,
                  {"Message actions (records 10, 12, 13): not answered (record 10, packet 1 of 3)"}},
        FaultCase{"SilentFromPacket19", Options(0, 0, 19), 3000ms,
                  {"Message actions (records 10, 12, 13): not answered (record 10, packet 3 of 3)"}},
        // A time-out longer than the 15 s wait never forces the state: each packet goes out after the
        // wait, and the score never rises. Almost five minutes of virtual time.
        FaultCase{"SilentUnitWithLongTimeout", Options(0, 0, 1), 16000ms,
                  {"General and Sleep setup (record 1): not answered",
                   "Network setup (records 2, 15): not answered (record 2, packet 1 of 1)",
                   "Radio setup (record 3): not answered", "Serial communication setup (record 4): not answered",
                   "Input setup (record 5): not answered (record 5, packet 1 of 2)",
                   "I/O and Sleep events (record 6): not answered (record 6, packet 1 of 3)",
                   "Message events (record 7): not answered (record 7, packet 1 of 4)",
                   "Timer, Counter, Comm. events (records 8, 14): not answered (record 8, packet 1 of 1)",
                   "Message actions (records 10, 12, 13): not answered (record 10, packet 1 of 3)"}}),
    test::RowName());

TEST(SendSessionTest, StatusEntriesFollowTheirGroups) {
    SessionRig rig;
    rig.send.start(Records({General, Radio}));
    rig.run();
    // Record 3 logs its status, record 1 does not: exactly one entry.
    const auto& entries = rig.link.linkLog().entries();
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "\r\nStatus: OK"), 1);
}

TEST(SendSessionTest, DifferingCountsWithFewGroupsFailThenTryAgainSucceeds) {
    SessionRig rig(Options(0, 1));
    const SendSelection selection = Records({Radio});

    rig.send.start(selection);
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 3.0);
    rig.run();
    // 3 to start, +1 for the differing counts, +1 for the time-outs that force the end line out.
    EXPECT_DOUBLE_EQ(rig.session.errorScore(), 5.0);
    EXPECT_EQ(rig.send.progress().button, ButtonMode::TryAgain);
    EXPECT_EQ(rig.send.progress().status, kVerdictFailed);
    EXPECT_NE(rig.link.linkLog().text().find("Error in handle_commands(): 1  2"), std::string::npos);

    // "Try again" asks for a new send; whoever started this one starts it again.
    QSignalSpy retry(&rig.send, &SendSession::retryRequested);
    QObject::connect(&rig.send, &SendSession::retryRequested, &rig.send, [&] { rig.send.start(selection); });
    rig.port.written.clear();
    rig.send.pressButton();
    EXPECT_EQ(retry.count(), 1);
    EXPECT_EQ(rig.send.progress().button, ButtonMode::Abort);
    rig.run();
    EXPECT_EQ(rig.port.written, PlanSession(rig.config, selection).bytes);
    EXPECT_EQ(rig.send.progress().button, ButtonMode::Ok);
    EXPECT_EQ(rig.send.progress().status, kVerdictSaved);
    EXPECT_EQ(rig.report(), std::vector<std::string>{"Radio setup (record 3): acknowledged"});

    QSignalSpy unloaded(&rig.send, &SendSession::unloadRequested);
    rig.send.pressButton();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(rig.send.progress().button, ButtonMode::Abort);
    EXPECT_EQ(rig.send.progress().status, "");
    EXPECT_EQ(rig.send.progress().value, 0);
}

// The editor stays usable during a send: what is edited meanwhile goes with the next send only.
TEST(SendSessionTest, EditsDuringASendChangeNothingSent) {
    SessionRig rig(Options(0, 0, 2));  // the second packet waits for the time-outs
    const SendSelection selection = Records({General, Radio, Serial});
    const SessionTranscript plan = PlanSession(rig.config, selection);
    rig.send.start(selection);
    rig.clock.advance(2000ms);
    rig.config.unit.alias = "Edited";
    rig.config.radio.channel = "12";
    rig.config.unit.id = "0000000099";
    rig.run();
    EXPECT_EQ(rig.port.written, plan.bytes);

    rig.port.written.clear();
    QObject::connect(&rig.send, &SendSession::retryRequested, &rig.send, [&] { rig.send.start(selection); });
    rig.send.pressButton();  // "Try again" sends the configuration as it is now
    rig.run();
    EXPECT_EQ(rig.port.written, PlanSession(rig.config, selection).bytes);
}

TEST(SendSessionTest, AbortDuringTheWaitEndsTheSession) {
    SessionRig rig(Options(0, 0, 1));
    QSignalSpy ended(&rig.send, &SendSession::ended);
    rig.send.start(Records({General, Network, Peers, Radio}));
    rig.clock.advance(2000ms);  // start line, packet 1 unanswered, packet 2 waiting

    rig.send.pressButton();
    EXPECT_EQ(rig.send.progress().status, kAbortedText);
    EXPECT_EQ(rig.send.progress().button, ButtonMode::Close);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_FALSE(ended[0][0].toBool());
    EXPECT_TRUE(rig.send.stoppedEarly());
    EXPECT_FALSE(rig.send.running());
    EXPECT_FALSE(rig.port.isOpen());
    const std::string abortLine = rig.session.header() + "ABORT;\r\n";
    EXPECT_TRUE(rig.port.written.ends_with(abortLine));
    EXPECT_EQ(rig.port.written.find("END;"), std::string::npos);
    EXPECT_EQ(rig.report(), (std::vector<std::string>{"General and Sleep setup (record 1): not answered",
                                                      "Network setup (records 2, 15): not sent",
                                                      "Radio setup (record 3): not sent"}));

    QSignalSpy hidden(&rig.send, &SendSession::hideRequested);
    rig.send.pressButton();
    EXPECT_EQ(hidden.count(), 1);
    EXPECT_FALSE(rig.send.progress().visible);
}

// The device goes away at a packet, or a second after it: past the settling pause, while the next hand-over
// (a group's packet, or the end line) waits for the acknowledgement.
TEST(SendSessionTest, ALostDeviceEndsWithTheFailureVerdict) {
    struct Case {
        const char* name;
        SendSelection selection;
        int vanishAt;
        std::chrono::milliseconds delay;
    };
    const Case cases[] = {
        {"at a packet", Everything(), 2, 0ms},
        {"before the next group", Everything(), 2, 1000ms},
        {"before the end line", Records({Radio}), 1, 1000ms},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatorOptions options;
        options.hangUpAt = c.vanishAt;
        options.delay = c.delay;
        SessionRig rig(options);
        QSignalSpy ended(&rig.send, &SendSession::ended);
        rig.send.start(c.selection);
        rig.run();
        ASSERT_EQ(ended.count(), 1);
        EXPECT_FALSE(ended[0][0].toBool());
        EXPECT_EQ(rig.send.progress().status, kVerdictFailed);
        EXPECT_EQ(rig.send.progress().button, ButtonMode::TryAgain);
        EXPECT_EQ(rig.unit->packetsReceived(), c.vanishAt);
        EXPECT_EQ(rig.port.written.find("END;"), std::string::npos);
        EXPECT_TRUE(rig.boxes.shown.empty()) << "no reconnect attempt after the loss";
        EXPECT_NE(rig.link.linkLog().text().find("\r\nConnection lost: "), std::string::npos);
        if (c.vanishAt == 2) {
            EXPECT_EQ(rig.report().at(1), "Network setup (records 2, 15): not answered (record 2, packet 1 of 1)");
        }
    }
}

TEST(SendSessionTest, ClosedPortThatCannotOpenStartsNothing) {
    SessionRig rig;
    rig.port.missingDevices = {"/dev/ttyS0"};
    EXPECT_FALSE(rig.send.start(Records({Radio})));
    EXPECT_EQ(rig.port.written, "");
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, "Error connecting. /dev/ttyS0: No such file or directory");
    EXPECT_EQ(rig.link.linkLog().entries().front(), "Error connecting. /dev/ttyS0: No such file or directory");
    EXPECT_FALSE(rig.send.progress().visible);
}

}  // namespace
}  // namespace koru
