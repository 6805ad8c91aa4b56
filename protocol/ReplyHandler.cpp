#include "protocol/ReplyHandler.h"

#include <algorithm>

#include "model/TextRules.h"

#include "protocol/SendLimits.h"

namespace koru {

namespace {

// The name the link log's entries give the reply handling ("Error in handle_commands(): 1  2"), as the unit's
// technicians know it.
constexpr const char* kLogLabel = "handle_commands";

using Event = SessionState::Event;

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

ReplyOutcome ReplyHandler::handleReply(const std::string& reply, std::string& receiveBuffer) {
    ReplyOutcome outcome;
    outcome.logEntries.push_back("\r\n_received_\r\n");

    const std::string trimmed = reply.substr(std::min(reply.find_first_not_of("\r\n"), reply.size()));
    const char first = trimmed.empty() ? '\0' : trimmed.front();
    if (first == 'P') {
        outcome.kind = ReplyKind::ParameterReply;
        outcome.logEntries.push_back("\r\nGot command P ... \r\n");
        if (split_parameters(receiveBuffer, outcome.logEntries)) {
            session_.state_event(Event::ParameterReply);
            receiveBuffer.clear();
        } else {
            outcome.ok = false;
        }
    } else if (first == 'M') {
        acknowledgement(receiveBuffer, outcome);
    } else if (first == 'E') {
        errorReport(reply, receiveBuffer, outcome);
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
        outcome.logEntries.push_back(errorEntry(kLogLabel, std::to_string(m) + "  " + std::to_string(c)));
        outcome.ok = false;
    }
    const long width = static_cast<long>(RoundHalfEven((static_cast<double>(c - m) - 0.5) / 2.0));
    const std::string s1 = middle(receiveBuffer, m + 1, width);
    const std::string s2 = middle(receiveBuffer, c + 1, width);
    if (s1 != s2) {
        outcome.kind = ReplyKind::DifferingCounts;
        session_.state_event(Event::MCount);
        session_.state_event(Event::ErrorCount);
        outcome.logEntries.push_back(errorEntry(kLogLabel, s1 + "  " + s2));
        outcome.ok = false;
        return;
    }
    outcome.kind = ReplyKind::Acknowledgement;
    receiveBuffer.clear();
    session_.state_event(Event::MCount);
    session_.state_event(Event::CCount);
    session_.addToErrorScore(-score::kAcknowledgedRelief);
}

// An error report is shown from its last "E" up to its last ";" and consumed through that ";" and the
// line end behind it, so the next acknowledgement is read on its own. The state is left as it is: the
// sender's wait runs out or the time-outs force it on.
void ReplyHandler::errorReport(const std::string& reply, std::string& receiveBuffer, ReplyOutcome& outcome) {
    const std::size_t lineBreaks = std::min(reply.find_first_not_of("\r\n"), reply.size());
    const std::string report = reply.substr(lineBreaks);
    const long e = lastPosition(report, 'E');
    const long s = lastPosition(report, ';');
    outcome.kind = ReplyKind::ErrorReport;
    if (s - e < 0) {
        outcome.logEntries.push_back(errorEntry(kLogLabel, "Invalid procedure call or argument"));
        outcome.ok = false;
        receiveBuffer.erase(0, std::min(lineBreaks + static_cast<std::size_t>(e) + 1, receiveBuffer.size()));
        return;
    }
    outcome.errorCode = middle(report, e, s - e);
    outcome.messages.push_back("Koru reports error " + outcome.errorCode);
    std::size_t consumed = std::min(lineBreaks + static_cast<std::size_t>(s), receiveBuffer.size());
    while (consumed < receiveBuffer.size() && (receiveBuffer[consumed] == '\r' || receiveBuffer[consumed] == '\n')) {
        ++consumed;
    }
    receiveBuffer.erase(0, consumed);
}

}  // namespace koru
