#include "protocol/ReplyHandler.h"

#include <algorithm>

#include "model/TextRules.h"

namespace koru {

namespace {

constexpr double kAcknowledgedRelief = 0.3;  // each acknowledged packet lowers the error score by this

std::string errorEntry(const std::string& operation, const std::string& description) {
    return "\r\nError in " + operation + "(): " + description;
}

// 1-based position of the last `ch`, 0 when there is none.
long lastPosition(const std::string& text, char ch) {
    const auto found = text.rfind(ch);
    return found == std::string::npos ? 0 : static_cast<long>(found) + 1;
}

// `length` characters from 1-based `start`; fewer at the end of the text.
std::string middle(const std::string& text, long start, long length) {
    if (length <= 0 || start < 1 || start > static_cast<long>(text.size())) return {};
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
}

}  // namespace

bool ReplyHandler::split_parameters(const std::string& buffer, std::vector<std::string>& logEntries) {
    // The two characters are too few for an exponent, so this is a whole or decimal number only.
    if (!IsValidNumber(middle(buffer, 2, 2))) {
        logEntries.push_back(errorEntry("split_parameters", "Type mismatch"));
        return false;
    }
    return true;
}

ReplyOutcome ReplyHandler::handle_commands(const std::string& reply, std::string& receiveBuffer) {
    ReplyOutcome outcome;
    outcome.logEntries.push_back("\r\n_received_\r\n");

    const std::string trimmed = reply.substr(std::min(reply.find_first_not_of("\r\n"), reply.size()));
    const char first = trimmed.empty() ? '\0' : trimmed.front();
    if (first == 'P') {
        outcome.logEntries.push_back("\r\nGot command P ... \r\n");
        if (split_parameters(receiveBuffer, outcome.logEntries)) {
            session_.state_event("P");
            receiveBuffer.clear();
        } else {
            outcome.ok = false;
        }
    } else if (first == 'M') {
        acknowledgement(receiveBuffer, outcome);
    } else if (first == 'E') {
        errorReport(trimmed, receiveBuffer, outcome);
    } else {
        outcome.logEntries.push_back("\r\nNo command found in buffer");
        receiveBuffer.clear();
    }
    return outcome;
}

// The counts are the characters behind the last "M" and behind the last "C" (or, without a "C", the
// last "E"), as many as the distance between the two letters allows.
void ReplyHandler::acknowledgement(std::string& receiveBuffer, ReplyOutcome& outcome) {
    const long m = lastPosition(receiveBuffer, 'M');
    long c = lastPosition(receiveBuffer, 'C');
    if (c == 0) c = lastPosition(receiveBuffer, 'E');
    if (c - m < 0 || c - m > 4) {
        outcome.logEntries.push_back(errorEntry("handle_commands", std::to_string(m) + "  " + std::to_string(c)));
        outcome.ok = false;
    }
    const long width = static_cast<long>(RoundHalfEven((static_cast<double>(c - m) - 0.5) / 2.0));
    const std::string s1 = middle(receiveBuffer, m + 1, width);
    const std::string s2 = middle(receiveBuffer, c + 1, width);
    if (s1 != s2) {
        session_.state_event("M");
        session_.state_event("E");
        outcome.logEntries.push_back(errorEntry("handle_commands", s1 + "  " + s2));
        outcome.ok = false;
        return;
    }
    receiveBuffer.clear();
    session_.state_event("M");
    session_.state_event("C");
    session_.addToErrorScore(-kAcknowledgedRelief);
}

// An error report is shown from its last "E" up to its last ";"; the state is left as it is, so the
// sender's wait runs out or the time-outs force it on.
void ReplyHandler::errorReport(const std::string& reply, std::string& receiveBuffer, ReplyOutcome& outcome) {
    const long e = lastPosition(reply, 'E');
    const long s = lastPosition(reply, ';');
    if (s - e < 0) {
        outcome.logEntries.push_back(errorEntry("handle_commands", "Invalid procedure call or argument"));
        outcome.ok = false;
    } else {
        outcome.messages.push_back("Koru reports error " + middle(reply, e, s - e));
    }
    receiveBuffer.erase(0, std::min(static_cast<std::size_t>(e) + 1, receiveBuffer.size()));
}

}  // namespace koru
