#include <gtest/gtest.h>

#include <vector>

#include "protocol/SessionState.h"

namespace koru {
namespace {

using State = SessionState::State;
using Event = SessionState::Event;

SessionState Started() {
    SessionState session;
    session.begin("ORVEN_AB_KORU_SETUP;0000002A;");
    return session;
}

TEST(SessionStateTest, AnAcknowledgedPacketGoesRoundToOk) {
    SessionState session = Started();
    std::vector<State> shown;
    session.onStateShown = [&](State state) { shown.push_back(state); };

    EXPECT_FALSE(session.state_event(Event::StartPacket));
    EXPECT_FALSE(session.state_event(Event::MCount));
    EXPECT_TRUE(session.state_event(Event::CCount));  // the awaited reply is complete
    EXPECT_EQ(shown, (std::vector<State>{State::WaitM, State::WaitC, State::Ok}));
    EXPECT_DOUBLE_EQ(session.errorScore(), 0.0);
}

// Differing counts end in "Err", which only a forced state leaves; every error count costs a point,
// also where it changes no state.
TEST(SessionStateTest, ErrorCountsScoreAndOnlyForceOkLeavesErr) {
    SessionState session = Started();
    session.state_event(Event::ErrorCount);
    EXPECT_EQ(session.state(), State::Ok);
    session.state_event(Event::StartPacket);
    session.state_event(Event::MCount);
    session.state_event(Event::ErrorCount);
    EXPECT_EQ(session.state(), State::Err);
    EXPECT_DOUBLE_EQ(session.errorScore(), 2.0);

    EXPECT_FALSE(session.state_event(Event::StartPacket));  // the next packet cannot start from "Err"
    EXPECT_EQ(session.state(), State::Err);
    EXPECT_TRUE(session.state_event(Event::ForceOk));
    EXPECT_EQ(session.state(), State::Ok);
}

TEST(SessionStateTest, BeforeTheFirstSessionEveryEventButForceOkFallsToErr) {
    SessionState session;
    EXPECT_EQ(SessionState::text(session.state()), "");
    session.state_event(Event::StartPacket);
    EXPECT_EQ(session.state(), State::Err);
    SessionState other;
    EXPECT_TRUE(other.state_event(Event::ForceOk));
    EXPECT_EQ(other.state(), State::Ok);
}

TEST(SessionStateTest, InitSessionResetsEveryValue) {
    SessionState session = Started();
    session.state_event(Event::StartPacket);
    session.state_event(Event::ErrorCount);
    session.setAbortSent(true);

    session.begin("ORVEN_AB_KORU_SETUP;0000002B;");
    EXPECT_EQ(session.state(), State::Ok);
    EXPECT_EQ(session.errorScore(), 0.0);
    EXPECT_FALSE(session.abortSent());
    EXPECT_EQ(session.header(), "ORVEN_AB_KORU_SETUP;0000002B;");
}

}  // namespace
}  // namespace koru
