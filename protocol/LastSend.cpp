#include "protocol/LastSend.h"

#include "protocol/DeliveryReport.h"

namespace koru {

std::vector<SendLogEntry> EntriesOf(const SendLogContents& log, std::string_view unitId) {
    std::vector<SendLogEntry> entries;
    for (const SendLogEntry& entry : log.entries) {
        if (entry.unitId == unitId) entries.push_back(entry);
    }
    return entries;
}

LastSend SummaryOf(const SendLogEntry& entry) {
    LastSend summary{entry.time, entry.verdict, 0, static_cast<int>(entry.outcomes.size())};
    for (const GroupOutcome& outcome : entry.outcomes) {
        if (outcome.outcome == kAcknowledgedText || outcome.outcome == kNothingToSendText) ++summary.acknowledged;
    }
    return summary;
}

std::optional<LastSend> LastSendOf(const SendLogContents& log, std::string_view unitId) {
    for (auto entry = log.entries.rbegin(); entry != log.entries.rend(); ++entry) {
        if (entry->unitId == unitId) return SummaryOf(*entry);
    }
    return std::nullopt;
}

std::string DescribeLastSend(const LastSend& last) {
    return "last sent " + last.time + ", " + std::to_string(last.acknowledged) + " of " +
           std::to_string(last.selected) + " groups acknowledged";
}

}  // namespace koru
