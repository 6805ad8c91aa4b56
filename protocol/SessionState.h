#pragma once

// The values of one send session: the header every line starts with, the state that says which reply
// is awaited, the error score that decides when the session is given up, and whether the abort line
// has gone out.

#include <functional>
#include <string>

namespace koru {

class SessionState {
public:
    // Starts a session: state "OK", error score 0, no abort line written yet.
    void init_session(std::string header);

    // Feeds one event ("STARTP", "M", "C", "E", "P", "GET", "RESET", "Force OK") to the state machine.
    // True when the awaited reply is complete. "E" also raises the error score by 1.
    bool state_event(const std::string& event);

    std::string get_state() const { return state_; }
    const std::string& header() const { return header_; }

    double errorScore() const { return errorScore_; }
    void setErrorScore(double score) { errorScore_ = score; }
    void addToErrorScore(double change) { errorScore_ += change; }

    bool abortSent() const { return abortSent_; }
    void setAbortSent(bool sent) { abortSent_ = sent; }

    // Called with the state after every state event (the link's state display).
    std::function<void(const std::string& state)> onStateShown;

private:
    std::string header_;
    std::string state_;  // empty before the first session
    double errorScore_ = 0.0;
    bool abortSent_ = false;
};

}  // namespace koru
