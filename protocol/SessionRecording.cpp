#include "protocol/SessionRecording.h"

#include "model/SendHistory.h"
#include "protocol/RecordTable.h"

namespace koru {

namespace {

enum class RecordOutcome { Acknowledged, WrittenUnconfirmed, NotReached };

RecordOutcome OutcomeOf(const SessionEnd& end, Record record) {
    const std::size_t count = end.report->packetCount(record);
    // The session's packets are the planned ones; should they ever differ, nothing is taken as known.
    if (count != end.packets[static_cast<std::size_t>(RecordNumber(record))].size()) {
        return RecordOutcome::WrittenUnconfirmed;
    }
    if (count == 0) return end.clean ? RecordOutcome::Acknowledged : RecordOutcome::NotReached;
    bool all = true;
    bool any = false;
    for (std::size_t i = 0; i < count; ++i) {
        const Delivery delivery = end.report->delivery(record, i).delivery;
        all = all && delivery == Delivery::Acknowledged;
        any = any || delivery != Delivery::NotSent;
    }
    if (all) return RecordOutcome::Acknowledged;
    return any ? RecordOutcome::WrittenUnconfirmed : RecordOutcome::NotReached;
}

}  // namespace

EarlierMarks MarkUnconfirmed(UnitSendState& state, const SendSelection& selection, const std::string& mark) {
    EarlierMarks earlier;
    for (const RecordDescription& row : RecordsInSendOrder()) {
        const Record record = row.record;
        if (!selection.has(record)) continue;
        RecordState& recordState = state.records[RecordNumber(record)];
        earlier[RecordNumber(record)] = recordState.unconfirmed;
        recordState.unconfirmed = mark;
    }
    return earlier;
}

void RecordSessionEnd(UnitSendState& state, const SessionEnd& end) {
    int unitFile = 0;
    for (const RecordDescription& row : RecordsInSendOrder()) {
        const Record record = row.record;
        if (!end.selection.has(record)) continue;
        RecordState& recordState = state.records[RecordNumber(record)];
        const bool ours = recordState.unconfirmed == end.mark;
        switch (OutcomeOf(end, record)) {
            case RecordOutcome::Acknowledged:
                if (unitFile == 0) unitFile = state.keepUnitFile(end.time, end.unitFile);
                recordState.acknowledged = true;
                recordState.acknowledgedAt = end.time;
                recordState.unitFile = unitFile;
                recordState.packets = end.packets[static_cast<std::size_t>(RecordNumber(record))];
                // A session that began meanwhile keeps its own mark until it ends.
                if (ours) recordState.unconfirmed.clear();
                break;
            case RecordOutcome::WrittenUnconfirmed:
                recordState.unconfirmed = end.mark;
                break;
            case RecordOutcome::NotReached:
                if (ours) {
                    const auto before = end.earlier.find(RecordNumber(record));
                    recordState.unconfirmed = before == end.earlier.end() ? std::string() : before->second;
                }
                break;
        }
    }
    std::erase_if(state.records, [](const auto& entry) {
        return !entry.second.acknowledged && entry.second.unconfirmed.empty();
    });
    state.dropUnusedUnitFiles();
}

SendLogEntry LogEntryOf(const SessionEnd& end, const UnitConfiguration& config, const std::string& device,
                        const std::string& verdict, const std::string& program) {
    SendLogEntry entry;
    entry.time = end.time;
    entry.unitId = HistoryUnitId(config.unit.id).value_or(config.unit.id);
    entry.alias = config.unit.alias;
    entry.device = device;
    entry.verdict = verdict;
    entry.program = program;
    for (const GroupDelivery& group : end.report->groups()) {
        entry.groups.push_back(group.name);
        entry.outcomes.push_back({group.name, DescribeGroup(group)});
    }
    return entry;
}

}  // namespace koru
