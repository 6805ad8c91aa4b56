#pragma once

// Reads the unit's replies: acknowledgements ("M3;C3;"), error reports ("E12;") and parameter replies
// ("P..."). Positions are taken from the receive buffer itself, the way the unit's replies have always
// been parsed, so odd replies are read the same way as before. Log entries, message texts and what the
// reply said about the awaited packet come out as data; the link shows and passes them on.

#include <string>
#include <vector>

#include "protocol/SessionState.h"

namespace koru {

// What a reply said.
enum class ReplyKind {
    Acknowledgement,  // equal counts: the packet was taken
    DifferingCounts,  // an acknowledgement whose counts differ
    ErrorReport,      // "E" and a code
    ParameterReply,   // "P..."
    NotUnderstood,
};

struct ReplyOutcome {
    bool ok = true;                       // false when an error was logged
    ReplyKind kind = ReplyKind::NotUnderstood;
    std::string errorCode;                // the code of an error report, e.g. "E12"; empty when unreadable
    std::vector<std::string> logEntries;  // in the order they are put in front of the link log
    std::vector<std::string> messages;    // message box texts (OK button, no icon)
};

class ReplyHandler {
public:
    explicit ReplyHandler(SessionState& session) : session_(session) {}

    // `reply` is a copy of `receiveBuffer` taken when a chunk ending in ";" CR LF arrived; the buffer may
    // be emptied or shortened.
    ReplyOutcome handleReply(const std::string& reply, std::string& receiveBuffer);

    // True when the two characters after the first one read as a number.
    static bool split_parameters(const std::string& buffer, std::vector<std::string>& logEntries);

private:
    void acknowledgement(std::string& receiveBuffer, ReplyOutcome& outcome);
    void errorReport(const std::string& reply, std::string& receiveBuffer, ReplyOutcome& outcome);

    SessionState& session_;
};

}  // namespace koru
