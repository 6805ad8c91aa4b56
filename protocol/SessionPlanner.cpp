#include "protocol/SessionPlanner.h"

#include "protocol/PacketRules.h"
#include "protocol/RecordTable.h"
#include "protocol/SendLimits.h"
#include "protocol/SessionHeader.h"

namespace koru {

namespace {

// The packet sender with a unit that acknowledges every packet at once.
class InstantSender {
public:
    InstantSender(const std::string& header, SessionTranscript& transcript)
        : header_(header), transcript_(transcript) {}

    // `acknowledged` is false for the end line, whose answer is never awaited.
    bool send(const std::string& packet, bool acknowledged = true) {
        if (packet.empty()) return true;
        if (transcript_.errorScore > score::kGiveUpAbove) {
            // Giving up closes the link first, so nothing more reaches the unit.
            transcript_.errorScore = score::kGivenUp;
            return false;
        }
        bool result = true;
        if (ExceedsLengthLimit(packet, header_.size())) {
            result = false;
            transcript_.diagnostics.emplace_back(kPacketTooLongText);
        }
        transcript_.bytes += PacketLine(header_, packet);
        if (acknowledged) transcript_.errorScore -= score::kAcknowledgedRelief;
        return result;
    }

private:
    const std::string& header_;
    SessionTranscript& transcript_;
};

void Report(const EncoderStep& step, SessionTranscript& transcript) {
    transcript.diagnostics.push_back(DiagnosticLine(step.text));
}

}  // namespace

std::string DiagnosticLine(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == '\r' || text[begin] == '\n')) ++begin;
    while (end > begin && (text[end - 1] == '\r' || text[end - 1] == '\n')) --end;
    return text.substr(begin, end - begin);
}

SessionTranscript PlanSession(const UnitConfiguration& config, const SendSelection& selection) {
    SessionTranscript transcript;
    const SessionHeader header = BuildSessionHeader(config);
    for (const EncoderStep& step : header.steps) Report(step, transcript);

    const int count = selection.count();
    if (count < score::kFullSessionGroups) transcript.errorScore = score::kFullSessionGroups - count;
    transcript.bytes += StartLine(header.text);

    InstantSender sender(header.text, transcript);
    int done = 0;
    for (const EncodedRecord& record : EncodeSelection(config, selection, header.text.size())) {
        bool result = true;
        for (const EncoderStep& step : record.steps) {
            if (step.kind == EncoderStep::Kind::HandOver) result = sender.send(step.text);
            else Report(step, transcript);
        }
        if (!result) {
            transcript.stoppedEarly = true;
            return transcript;
        }
        if (done < count) ++done;
    }
    if (!sender.send(std::string(kEndPacket), false)) {
        transcript.stoppedEarly = true;
        return transcript;
    }
    transcript.verdict = transcript.errorScore < score::kSavedBelow && done == count ? kVerdictSaved : kVerdictFailed;
    return transcript;
}

RecordPackets PlanRecordPackets(const UnitConfiguration& config) {
    RecordPackets packets;
    const std::size_t headerLength = BuildSessionHeader(config).text.size();
    for (const EncodedRecord& record : EncodeSelection(config, SendSelection::Of(SendGroups::All()), headerLength)) {
        packets[static_cast<std::size_t>(RecordNumber(record.record))] = record.packets();
    }
    return packets;
}

}  // namespace koru
