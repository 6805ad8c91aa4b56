#include <gtest/gtest.h>

#include "protocol/SessionState.h"

namespace koru {
namespace {

struct EventCase {
    const char* name;
    const char* state;  // "" is the state before the first session
    const char* event;
    const char* next;
    bool complete;
    double scoreChange;
};

class StateEventTest : public ::testing::TestWithParam<EventCase> {};

// Drives the machine into a state through its own events, so no test reaches into private values.
void enter(SessionState& session, const std::string& state) {
    if (state.empty()) return;
    session.init_session("H;");
    if (state == "waitM" || state == "waitC" || state == "Err") session.state_event("STARTP");
    if (state == "waitC") session.state_event("M");
    if (state == "Err") session.state_event("E");
    if (state == "waitP") session.state_event("GET");
    session.setErrorScore(0.0);
    ASSERT_EQ(session.get_state(), state);
}

TEST_P(StateEventTest, FollowsTheTable) {
    const EventCase& c = GetParam();
    SessionState session;
    enter(session, c.state);
    std::string shown = "(nothing)";
    session.onStateShown = [&](const std::string& state) { shown = state; };

    EXPECT_EQ(session.state_event(c.event), c.complete);
    EXPECT_EQ(session.get_state(), c.next);
    EXPECT_EQ(shown, c.next);
    EXPECT_DOUBLE_EQ(session.errorScore(), c.scoreChange);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StateEventTest,
    ::testing::Values(EventCase{"OkStartp", "OK", "STARTP", "waitM", false, 0},
                      EventCase{"OkGet", "OK", "GET", "waitP", false, 0},
                      EventCase{"OkUnlistedKeepsState", "OK", "M", "OK", false, 0},
                      EventCase{"OkErrorReportKeepsStateButScores", "OK", "E", "OK", false, 1},
                      EventCase{"WaitPParameterReply", "waitP", "P", "OK", true, 0},
                      EventCase{"WaitPAnyOtherCompletes", "waitP", "M", "waitP", true, 0},
                      EventCase{"WaitMAcknowledgementStarts", "waitM", "M", "waitC", false, 0},
                      EventCase{"WaitMError", "waitM", "E", "Err", false, 1},
                      EventCase{"WaitMUnlisted", "waitM", "C", "waitM", false, 0},
                      EventCase{"WaitCCountCompletes", "waitC", "C", "OK", true, 0},
                      EventCase{"WaitCError", "waitC", "E", "Err", false, 1},
                      EventCase{"ErrReset", "Err", "RESET", "OK", true, 0},
                      EventCase{"ErrErrorStays", "Err", "E", "Err", false, 1},
                      EventCase{"ErrStartpChangesNothing", "Err", "STARTP", "Err", false, 0},
                      EventCase{"ErrForceOk", "Err", "Force OK", "OK", true, 0},
                      EventCase{"WaitMForceOk", "waitM", "Force OK", "OK", true, 0},
                      EventCase{"BeforeFirstSessionFallsToErr", "", "STARTP", "Err", false, 0},
                      EventCase{"BeforeFirstSessionForceOk", "", "Force OK", "OK", true, 0},
                      EventCase{"EmptyEventInOk", "OK", "", "OK", false, 0}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(SessionStateTest, InitSessionResetsEveryValue) {
    SessionState session;
    session.init_session("old;");
    session.state_event("STARTP");
    session.state_event("E");
    session.setAbortSent(true);

    session.init_session("ORVEN_AB_KORU_SETUP;0000002A;");
    EXPECT_EQ(session.get_state(), "OK");
    EXPECT_EQ(session.errorScore(), 0.0);
    EXPECT_FALSE(session.abortSent());
    EXPECT_EQ(session.header(), "ORVEN_AB_KORU_SETUP;0000002A;");
}

}  // namespace
}  // namespace koru
