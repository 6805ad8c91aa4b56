#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "protocol/GroupChanges.h"
#include "protocol/PacketRules.h"
#include "protocol/RecordTable.h"
#include "protocol/SessionHeader.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SampleUnits.h"

namespace koru {
namespace {

using test::PrintTo;

// What the unit acknowledged when it took every packet of `config`.
UnitSendState AllAcknowledged(const UnitConfiguration& config) {
    UnitSendState state;
    const RecordPackets packets = PlanRecordPackets(config);
    for (const RecordDescription& row : RecordsInSendOrder()) {
        state.records[RecordNumber(row.record)] = {true, "2026-12-07T06:30:12+01:00", 1,
                                                   packets[static_cast<std::size_t>(RecordNumber(row.record))], {}};
    }
    return state;
}

std::vector<std::string> ChangedNames(const std::vector<GroupChange>& changes) {
    std::vector<std::string> names;
    for (const GroupChange& change : changes) {
        if (change.changed()) names.emplace_back(change.group->name);
    }
    return names;
}

// A send of one group puts on the wire exactly the packets its records have in a send of every group, so
// the packets recorded for a group are those it sends, whatever else was selected.
TEST(GroupChangesTest, ASendOfOneGroupWritesThePacketsItsRecordsHaveInAFullSend) {
    for (const UnitConfiguration& config : {test::FullUnit(), UnitConfiguration{}}) {
        const RecordPackets packets = PlanRecordPackets(config);
        const std::string header = BuildSessionHeader(config).text;
        for (const SendGroupDescription& group : SendGroupTable()) {
            SCOPED_TRACE(group.name);
            const SendSelection selection = SendSelection::Of({group.group});
            std::string expected = StartLine(header);
            for (const RecordDescription& row : RecordsInSendOrder()) {
                if (!selection.has(row.record)) continue;
                for (const std::string& packet : packets[static_cast<std::size_t>(RecordNumber(row.record))]) {
                    expected += PacketLine(header, packet);
                }
            }
            expected += PacketLine(header, std::string(kEndPacket));
            EXPECT_EQ(PlanSession(config, selection).bytes, expected);
        }
    }
}

struct ChangeCase {
    const char* name;
    std::function<void(UnitConfiguration&)> change;
    std::vector<std::string> changed;
};

class GroupChangesTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(GroupChangesTest, AGroupHasChangedWhenItsPacketsHave) {
    const UnitConfiguration sent = test::FullUnit();
    UnitConfiguration now = sent;
    GetParam().change(now);
    EXPECT_EQ(ChangedNames(CompareWithState(now, AllAcknowledged(sent))), GetParam().changed);
    EXPECT_EQ(GroupsThatDiffer(PlanRecordPackets(sent), PlanRecordPackets(now)).size(), GetParam().changed.size());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, GroupChangesTest,
    ::testing::Values(
        ChangeCase{"Nothing", [](UnitConfiguration&) {}, {}},
        ChangeCase{"RadioChannel", [](UnitConfiguration& c) { c.radio.channel = "40"; }, {"radio"}},
        ChangeCase{"Alias", [](UnitConfiguration& c) { c.unit.alias = "Tank"; }, {"general"}},
        ChangeCase{"ALowerUnitsPing", [](UnitConfiguration& c) { c.network.lowerPing[0] = "No ping - x"; },
                   {"network"}},
        ChangeCase{"SecondCounter", [](UnitConfiguration& c) { c.counters[1].counter = "77"; }, {"tcc-events"}},
        ChangeCase{"AMessageTextToSend", [](UnitConfiguration& c) { c.messageActions.messages[0].text = "Low"; },
                   {"message-actions"}},
        // Every later action gets another number: record 12 and the pairs of record 13 change.
        ChangeCase{"FirstTimerActionDeleted",
                   [](UnitConfiguration& c) { c.timerActions.erase(c.timerActions.begin()); },
                   {"message-actions", "output-flag-actions"}},
        // The same action number and kind: only its pattern in record 11 changes.
        ChangeCase{"AnOutputPattern", [](UnitConfiguration& c) { c.outputFlagActions[1] = "Set: 0001 01T-01T-"; },
                   {"output-flag-actions"}},
        // What the unit never receives changes no group.
        ChangeCase{"Type", [](UnitConfiguration& c) { c.unit.type = "KORU Starter-kit"; }, {}},
        ChangeCase{"ARemoteControl", [](UnitConfiguration& c) { c.remoteEvents[0].controls = {"Z"}; }, {}}),
    test::RowName());

TEST(GroupChangesTest, AGroupNeverAcknowledgedOrWrittenUnconfirmedHasChanged) {
    const UnitConfiguration config = test::FullUnit();
    UnitSendState state = AllAcknowledged(config);
    state.records.erase(RecordNumber(Record::Peers));
    state.records[RecordNumber(Record::Counters)].unconfirmed = "2026-12-08T09:00:00+01:00 4711-9";
    state.records[RecordNumber(Record::Radio)].unconfirmed = "2026-12-08T09:00:00+01:00 4711-9";
    state.records[RecordNumber(Record::Radio)].packets.clear();

    const std::vector<GroupChange> changes = CompareWithState(config, state);
    EXPECT_EQ(ChangedNames(changes), (std::vector<std::string>{"network", "radio", "tcc-events"}));
    std::vector<std::string> described;
    for (const GroupChange& change : changes) {
        if (change.changed()) described.push_back(DescribeChange(change));
    }
    EXPECT_EQ(described, (std::vector<std::string>{"never acknowledged",
                                                   "not confirmed since a session at 2026-12-08T09:00:00+01:00",
                                                   "not confirmed since a session at 2026-12-08T09:00:00+01:00"}));
    EXPECT_EQ(ChangedGroups(changes), (SendGroups{SendGroup::Network, SendGroup::Radio, SendGroup::TccEvents}));
}

// A group with nothing to send that a clean session acknowledged stays acknowledged with no packets.
TEST(GroupChangesTest, NothingToSendAcknowledgedIsNoChange) {
    const UnitConfiguration empty;
    ASSERT_TRUE(PlanRecordPackets(empty)[RecordNumber(Record::OutputFlagPatterns)].empty());
    EXPECT_EQ(ChangedNames(CompareWithState(empty, AllAcknowledged(empty))), std::vector<std::string>{});
    EXPECT_EQ(ChangedNames(CompareWithState(test::FullUnit(), AllAcknowledged(empty))).size(), 10U);
}

}  // namespace
}  // namespace koru
