#include "protocol/SessionState.h"

#include <array>
#include <string_view>

namespace koru {

namespace {

struct Transition {
    std::string_view state;
    std::string_view event;  // empty: any event not listed before it for this state
    std::string_view next;
    bool complete;
};

// Rows are looked up in order; a known state with an event not listed keeps its state, an unknown
// state (also the empty one before the first session) falls to "Err".
constexpr std::array<Transition, 10> kTransitions{{
    {"OK", "STARTP", "waitM", false},
    {"OK", "GET", "waitP", false},
    {"waitP", "P", "OK", true},
    {"waitP", "", "waitP", true},
    {"waitM", "M", "waitC", false},
    {"waitM", "E", "Err", false},
    {"waitC", "C", "OK", true},
    {"waitC", "E", "Err", false},
    {"Err", "RESET", "OK", true},
    {"Err", "E", "Err", false},
}};

constexpr std::array<std::string_view, 5> kStates{"OK", "waitM", "waitC", "waitP", "Err"};

}  // namespace

void SessionState::init_session(std::string header) {
    header_ = std::move(header);
    state_ = "OK";
    errorScore_ = 0.0;
    abortSent_ = false;
}

bool SessionState::state_event(const std::string& event) {
    if (event == "E") errorScore_ += 1.0;

    bool known = false;
    for (std::string_view state : kStates) known = known || state == state_;
    bool complete = false;
    if (!known) {
        state_ = "Err";
    } else {
        for (const Transition& row : kTransitions) {
            if (row.state == state_ && (row.event == event || row.event.empty())) {
                state_ = std::string(row.next);
                complete = row.complete;
                break;
            }
        }
    }
    if (event == "Force OK") {
        state_ = "OK";
        complete = true;
    }
    if (onStateShown) onStateShown(state_);
    return complete;
}

}  // namespace koru
