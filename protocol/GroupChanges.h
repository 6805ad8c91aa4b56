#pragma once

// Which groups of the send dialog would put something new on the unit. A group has changed when the
// packets it would send now differ from the packets last acknowledged for it, when it was never
// acknowledged, or when a later session may have written part of it unconfirmed. Packets are compared,
// not settings: deleting one action renumbers the action table, and every group whose packets change
// with it has changed too, while a setting the unit never receives changes nothing.

#include <string>
#include <vector>

#include "model/UnitConfiguration.h"
#include "model/UnitSendState.h"
#include "protocol/SendGroupTable.h"
#include "protocol/SessionPlanner.h"

namespace koru {

enum class ChangeReason {
    Same,               // every record's packets were acknowledged as they are now
    PacketsDiffer,      // a record would send other packets than those acknowledged
    Unconfirmed,        // a later session wrote to a record without getting it acknowledged
    NeverAcknowledged,  // a record was never acknowledged from this library
};

struct GroupChange {
    const SendGroupDescription* group = nullptr;
    ChangeReason reason = ChangeReason::Same;
    std::string since;  // Unconfirmed: when that session was; PacketsDiffer: when the old ones were acknowledged

    bool changed() const { return reason != ChangeReason::Same; }
};

// Every group of the send dialog, in its order, compared with what the unit last acknowledged.
std::vector<GroupChange> CompareWithState(const RecordPackets& now, const UnitSendState& state);
std::vector<GroupChange> CompareWithState(const UnitConfiguration& now, const UnitSendState& state);

// The groups whose packets differ between two configurations, in the dialog's order.
std::vector<const SendGroupDescription*> GroupsThatDiffer(const RecordPackets& first, const RecordPackets& second);

// The changed groups ticked, all others clear.
SendGroups ChangedGroups(const std::vector<GroupChange>& changes);

// "changed since 2026-12-07T06:30:12+01:00", "never acknowledged", ... for people.
std::string DescribeChange(const GroupChange& change);

}  // namespace koru
