// Feeds arbitrary receive buffers to the reply handler in every session state. Whatever the line
// carries, reading it must not crash, the buffer may only shrink, and what the handler says the reply
// was must agree with what it did: an acknowledgement empties the buffer and lowers the score, differing
// counts keep the buffer and cost a point, an error report names its code and consumes itself, and
// anything not understood is thrown away.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "protocol/ReplyHandler.h"
#include "protocol/SendLimits.h"
#include "protocol/SessionState.h"

namespace {

void Require(bool property) {
    if (!property) std::abort();
}

bool Near(double a, double b) { return std::fabs(a - b) < 1e-9; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using Event = koru::SessionState::Event;
    using koru::ReplyKind;
    if (size == 0) return 0;
    static const Event kEntries[] = {Event::StartPacket, Event::Get, Event::MCount};
    koru::SessionState session;
    session.begin("ORVEN_AB_KORU_SETUP;0000002A;");
    for (int step = 0; step < (data[0] & 3); ++step) session.state_event(kEntries[step]);
    const double scoreBefore = session.errorScore();

    koru::ReplyHandler handler(session);
    std::string buffer(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string reply = buffer;
    const koru::ReplyOutcome outcome = handler.handleReply(reply, buffer);

    Require(buffer.size() <= reply.size());
    Require(!outcome.logEntries.empty() && outcome.logEntries.front() == "\r\n_received_\r\n");
    switch (outcome.kind) {
        case ReplyKind::Acknowledgement:
            Require(buffer.empty());
            Require(Near(session.errorScore(), scoreBefore - koru::score::kAcknowledgedRelief));
            break;
        case ReplyKind::DifferingCounts:
            Require(buffer == reply && !outcome.ok);
            Require(Near(session.errorScore(), scoreBefore + koru::score::kPerFault));
            break;
        case ReplyKind::ErrorReport:
            Require(buffer.size() < reply.size());
            Require(outcome.errorCode.empty() ? !outcome.ok : outcome.errorCode.front() == 'E');
            Require(outcome.messages.size() == (outcome.errorCode.empty() ? 0u : 1u));
            Require(Near(session.errorScore(), scoreBefore));
            break;
        case ReplyKind::ParameterReply:
            Require(buffer.empty() || buffer == reply);
            break;
        case ReplyKind::NotUnderstood:
            Require(buffer.empty() && Near(session.errorScore(), scoreBefore));
            break;
    }
    return 0;
}
