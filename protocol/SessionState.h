#pragma once

// The values of one send session: the header every line starts with, the state that says which reply
// is awaited, the error score that decides when the session is given up, and whether the abort line
// has gone out.

#include <functional>
#include <string>
#include <string_view>

namespace koru {

class SessionState {
public:
    // Which reply the session awaits. None is the state before the first session.
    enum class State { None, Ok, WaitM, WaitC, WaitP, Err };

    // What moves the state: a packet going out, a read-back request, the parts of a reply, a reset,
    // and the time-out rule forcing the session on.
    enum class Event { StartPacket, Get, ParameterReply, MCount, CCount, ErrorCount, Reset, ForceOk };

    // Starts a session: state "OK", error score 0, no abort line written yet.
    void begin(std::string header);

    // Feeds one event to the state machine; true when the awaited reply is complete. An error count also
    // raises the error score.
    bool state_event(Event event);

    State state() const { return state_; }
    const std::string& header() const { return header_; }

    double errorScore() const { return errorScore_; }
    void setErrorScore(double score) { errorScore_ = score; }
    void addToErrorScore(double change) { errorScore_ += change; }

    bool abortSent() const { return abortSent_; }
    void setAbortSent(bool sent) { abortSent_ = sent; }

    // Called with the state after every state event (the link's state display).
    std::function<void(State state)> onStateShown;

    // The state as the state display and the link log show it: "OK", "waitM", "waitC", "waitP", "Err",
    // or empty before the first session.
    static std::string_view text(State state);

private:
    std::string header_;
    State state_ = State::None;
    double errorScore_ = 0.0;
    bool abortSent_ = false;
};

}  // namespace koru
