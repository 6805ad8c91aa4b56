#include "protocol/SessionState.h"

#include <array>
#include <optional>

#include "protocol/SendLimits.h"

namespace koru {

namespace {

using State = SessionState::State;
using Event = SessionState::Event;

struct Transition {
    State state;
    std::optional<Event> event;  // none: any event not listed before it for this state
    State next;
    bool complete;
};

// Rows are looked up in order; a known state with an event not listed keeps its state, and a state
// without rows (the one before the first session) falls to "Err".
constexpr std::array<Transition, 10> kTransitions{{
    {State::Ok, Event::StartPacket, State::WaitM, false},
    {State::Ok, Event::Get, State::WaitP, false},
    {State::WaitP, Event::ParameterReply, State::Ok, true},
    {State::WaitP, std::nullopt, State::WaitP, true},
    {State::WaitM, Event::MCount, State::WaitC, false},
    {State::WaitM, Event::ErrorCount, State::Err, false},
    {State::WaitC, Event::CCount, State::Ok, true},
    {State::WaitC, Event::ErrorCount, State::Err, false},
    {State::Err, Event::Reset, State::Ok, true},
    {State::Err, Event::ErrorCount, State::Err, false},
}};

}  // namespace

void SessionState::begin(std::string header) {
    header_ = std::move(header);
    state_ = State::Ok;
    errorScore_ = 0.0;
    abortSent_ = false;
}

bool SessionState::state_event(Event event) {
    if (event == Event::ErrorCount) errorScore_ += score::kPerFault;

    bool complete = false;
    if (state_ == State::None) {
        state_ = State::Err;
    } else {
        for (const Transition& row : kTransitions) {
            if (row.state == state_ && (!row.event || *row.event == event)) {
                state_ = row.next;
                complete = row.complete;
                break;
            }
        }
    }
    if (event == Event::ForceOk) {
        state_ = State::Ok;
        complete = true;
    }
    if (onStateShown) onStateShown(state_);
    return complete;
}

std::string_view SessionState::text(State state) {
    switch (state) {
        case State::Ok:
            return "OK";
        case State::WaitM:
            return "waitM";
        case State::WaitC:
            return "waitC";
        case State::WaitP:
            return "waitP";
        case State::Err:
            return "Err";
        case State::None:
            break;
    }
    return "";
}

}  // namespace koru
