#include "protocol/GroupChanges.h"

namespace koru {

namespace {

const std::vector<std::string>& PacketsOf(const RecordPackets& packets, Record record) {
    return packets[static_cast<std::size_t>(RecordNumber(record))];
}

// The reason of one record; a box takes the weightiest of its records'.
GroupChange CompareRecord(const std::vector<std::string>& now, const UnitSendState& state, Record record) {
    const auto found = state.records.find(RecordNumber(record));
    if (found == state.records.end() || !found->second.acknowledged) return {nullptr, ChangeReason::NeverAcknowledged, {}};
    const RecordState& sent = found->second;
    if (!sent.unconfirmed.empty()) {
        return {nullptr, ChangeReason::Unconfirmed, sent.unconfirmed.substr(0, sent.unconfirmed.find(' '))};
    }
    if (sent.packets != now) return {nullptr, ChangeReason::PacketsDiffer, sent.acknowledgedAt};
    return {nullptr, ChangeReason::Same, {}};
}

}  // namespace

std::vector<GroupChange> CompareWithState(const RecordPackets& now, const UnitSendState& state) {
    std::vector<GroupChange> changes;
    for (const SendGroupDescription& group : SendGroupTable()) {
        GroupChange change{&group, ChangeReason::Same, {}};
        for (const Record record : RecordsOf(group.group)) {
            GroupChange of = CompareRecord(PacketsOf(now, record), state, record);
            if (of.reason > change.reason) {
                change.reason = of.reason;
                change.since = std::move(of.since);
            }
        }
        changes.push_back(std::move(change));
    }
    return changes;
}

std::vector<GroupChange> CompareWithState(const UnitConfiguration& now, const UnitSendState& state) {
    return CompareWithState(PlanRecordPackets(now), state);
}

std::vector<const SendGroupDescription*> GroupsThatDiffer(const RecordPackets& first, const RecordPackets& second) {
    std::vector<const SendGroupDescription*> groups;
    for (const SendGroupDescription& group : SendGroupTable()) {
        for (const Record record : RecordsOf(group.group)) {
            if (PacketsOf(first, record) != PacketsOf(second, record)) {
                groups.push_back(&group);
                break;
            }
        }
    }
    return groups;
}

SendGroups ChangedGroups(const std::vector<GroupChange>& changes) {
    SendGroups groups;
    for (const GroupChange& change : changes) {
        if (change.changed()) groups.set(change.group->group);
    }
    return groups;
}

std::string DescribeChange(const GroupChange& change) {
    switch (change.reason) {
        case ChangeReason::Same:
            return "as acknowledged";
        case ChangeReason::PacketsDiffer:
            return "changed since acknowledged " + change.since;
        case ChangeReason::Unconfirmed:
            return "not confirmed since a session at " + change.since;
        case ChangeReason::NeverAcknowledged:
            return "never acknowledged";
    }
    return {};
}

}  // namespace koru
