#include "protocol/SendPreflight.h"

#include "protocol/PacketRules.h"
#include "protocol/QuotedTexts.h"
#include "protocol/RecordTable.h"
#include "protocol/SendLimits.h"
#include "protocol/SessionHeader.h"
#include "protocol/SessionPlanner.h"
#include "protocol/UnitNumber.h"

namespace koru {

namespace {

std::string TooLong(std::size_t lineLength) {
    return "packet of " + std::to_string(lineLength) + " characters exceeds the line limit of " +
           std::to_string(kLineLimit) + " (\"" + kPacketTooLongText + "\")";
}

}  // namespace

bool IsUnitId(std::string_view id) {
    if (id.empty() || id.find_first_not_of("0123456789") != std::string_view::npos) return false;
    const std::size_t first = std::min(id.find_first_not_of('0'), id.size());
    const std::string_view digits = id.substr(first);
    const std::string largest = std::to_string(kLargestUnitId);
    return digits.size() < largest.size() || (digits.size() == largest.size() && digits <= largest);
}

std::vector<SendFinding> ReplaySend(const UnitConfiguration& config, const SendSelection& selection) {
    std::vector<SendFinding> findings;
    const SessionHeader header = BuildSessionHeader(config);
    if (!IsUnitId(config.unit.id)) {
        findings.push_back({{"Unit", "Id",
                             "\"" + config.unit.id + "\" is not a decimal unit number from 0 to " +
                                 std::to_string(kLargestUnitId)},
                            true});
    }

    for (const EncodedRecord& record : EncodeSelection(config, selection, header.text.size())) {
        for (CheckFinding& uncarried : UncarriedCharacters(config, record.record)) {
            findings.push_back({std::move(uncarried), true});
        }
        for (std::size_t i = 0; i < record.steps.size(); ++i) {
            const EncoderStep& step = record.steps[i];
            const StepOrigin& origin = record.origins[i];
            if (step.kind == EncoderStep::Kind::HandOver) {
                if (ExceedsLengthLimit(step.text, header.text.size())) {
                    const std::size_t length = header.text.size() + step.text.size() + kLineEnd.size();
                    findings.push_back({{origin.section, origin.subsection, TooLong(length)}, true});
                }
                continue;
            }
            // A failed step leaves its field out of the record; a unit number that does not fit leaves
            // its field empty. Other messages (too many event-action pairs) send what they warn about.
            const bool lost = step.kind == EncoderStep::Kind::LinkLog || step.title == kHexOverflowTitle;
            findings.push_back({{origin.section, origin.subsection, DiagnosticLine(step.text)}, lost});
        }
    }
    return findings;
}

std::vector<CheckFinding> SendPreflight(const UnitConfiguration& config, const SendSelection& selection) {
    std::vector<CheckFinding> reasons;
    for (SendFinding& found : ReplaySend(config, selection)) {
        if (found.blocking) reasons.push_back(std::move(found.finding));
    }
    return reasons;
}

}  // namespace koru
