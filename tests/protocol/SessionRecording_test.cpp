#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/SessionRecording.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/Selections.h"

namespace koru {

void PrintTo(const SendLogEntry& entry, std::ostream* out) {
    *out << SendLogLine(entry);
}

namespace {

constexpr const char* kMark = "2026-12-08T09:00:00+01:00 100-1";
constexpr const char* kEnded = "2026-12-08T09:01:00+01:00";

// One session of `config`'s `selection` against a unit state: the test says what became of each packet.
struct Session {
    Session(const UnitConfiguration& sent, const SendSelection& chosen) : config(sent), report(chosen) {
        end.selection = chosen;
        end.packets = PlanRecordPackets(config);
        for (Record record : test::SendOrder()) {
            if (chosen.has(record)) report.setPacketCount(record, packetsOf(record).size());
        }
        end.report = &report;
        end.time = kEnded;
        end.unitFile = "-Unit\r\nId=0000000042\r\n";
        end.mark = kMark;
    }
    const std::vector<std::string>& packetsOf(Record record) const {
        return end.packets[static_cast<std::size_t>(RecordNumber(record))];
    }
    // Every packet of `record` answered so.
    void answer(Record record, Delivery delivery) {
        for (std::size_t i = 0; i < report.packetCount(record); ++i) report.setDelivery(record, i, {delivery, {}});
    }
    void start(UnitSendState& state) { end.earlier = MarkUnconfirmed(state, end.selection, kMark); }
    void finish(UnitSendState& state, bool clean) {
        end.clean = clean;
        RecordSessionEnd(state, end);
    }

    UnitConfiguration config;
    DeliveryReport report;
    SessionEnd end;
};

const RecordState* Find(const UnitSendState& state, Record record) {
    const auto found = state.records.find(RecordNumber(record));
    return found == state.records.end() ? nullptr : &found->second;
}

TEST(SessionRecordingTest, ACleanSessionAcknowledgesEveryRecordWithOneCopyOfTheUnitFile) {
    Session session(test::FullUnit(), test::Everything());
    UnitSendState state;
    session.start(state);
    for (Record record : test::SendOrder()) session.answer(record, Delivery::Acknowledged);
    session.finish(state, true);

    ASSERT_EQ(state.records.size(), test::SendOrder().size());
    for (Record record : test::SendOrder()) {
        const RecordState& recordState = state.records.at(RecordNumber(record));
        EXPECT_TRUE(recordState.acknowledged);
        EXPECT_EQ(recordState.acknowledgedAt, kEnded);
        EXPECT_EQ(recordState.packets, session.packetsOf(record));
        EXPECT_EQ(recordState.unconfirmed, "");
    }
    ASSERT_EQ(state.unitFiles.size(), 1U);
    EXPECT_EQ(state.newestUnitFile()->text, "-Unit\r\nId=0000000042\r\n");
}

// The unit acknowledged network's record 2 but reported an error for record 15 and went on; an abort
// followed before the serial setup was written.
TEST(SessionRecordingTest, OnlyFullyAcknowledgedRecordsTakeTheNewPackets) {
    UnitConfiguration before = test::FullUnit();
    before.radio.channel = "11";
    before.serial.baudrate = "1200";
    Session earlier(before, test::Everything());
    UnitSendState state;
    earlier.start(state);
    for (Record record : test::SendOrder()) earlier.answer(record, Delivery::Acknowledged);
    earlier.finish(state, true);

    Session session(test::FullUnit(), test::Records({Record::Network, Record::Peers, Record::Radio, Record::Serial}));
    session.start(state);
    session.answer(Record::Network, Delivery::Acknowledged);
    session.answer(Record::Peers, Delivery::ErrorReport);
    session.answer(Record::Radio, Delivery::NotAnswered);
    session.finish(state, false);

    EXPECT_EQ(Find(state, Record::Network)->packets, session.packetsOf(Record::Network));
    EXPECT_EQ(Find(state, Record::Network)->unconfirmed, "");
    EXPECT_EQ(Find(state, Record::Peers)->unconfirmed, kMark);
    EXPECT_EQ(Find(state, Record::Radio)->unconfirmed, kMark);
    EXPECT_EQ(Find(state, Record::Radio)->packets, earlier.packetsOf(Record::Radio));
    // Not reached: as it was, unmarked.
    EXPECT_EQ(*Find(state, Record::Serial), (RecordState{true, kEnded, 1, earlier.packetsOf(Record::Serial), {}}));
    EXPECT_NE(earlier.packetsOf(Record::Serial), session.packetsOf(Record::Serial));
    EXPECT_EQ(state.unitFiles.size(), 2U);
}

TEST(SessionRecordingTest, ARecordNeverReachedGetsBackTheMarkItHad) {
    Session session(test::FullUnit(), test::Records({Record::General, Record::Radio}));
    UnitSendState state;
    state.records[RecordNumber(Record::Radio)].unconfirmed = "2026-12-01T00:00:00+01:00 7-7";  // a killed program's
    session.start(state);
    EXPECT_EQ(Find(state, Record::Radio)->unconfirmed, kMark);
    session.answer(Record::General, Delivery::NotAnswered);
    session.finish(state, false);

    EXPECT_EQ(Find(state, Record::Radio)->unconfirmed, "2026-12-01T00:00:00+01:00 7-7");
    EXPECT_EQ(Find(state, Record::General)->unconfirmed, kMark);
    EXPECT_TRUE(state.unitFiles.empty());
}

TEST(SessionRecordingTest, NothingToSendIsAcknowledgedOnlyInACleanSession) {
    const UnitConfiguration empty;
    ASSERT_TRUE(PlanRecordPackets(empty)[RecordNumber(Record::OutputFlagPatterns)].empty());
    for (const bool clean : {false, true}) {
        SCOPED_TRACE(clean);
        Session session(empty, test::Records({Record::OutputFlagPatterns}));
        UnitSendState state;
        session.start(state);
        session.finish(state, clean);
        const RecordState* sent = Find(state, Record::OutputFlagPatterns);
        ASSERT_EQ(sent != nullptr, clean);
        if (clean) {
            EXPECT_EQ(*sent, (RecordState{true, kEnded, 1, {}, {}}));
        }
    }
}

// Another program began a session to the same unit after this one, and has not ended: its mark stays,
// while what this one got acknowledged is kept.
TEST(SessionRecordingTest, AMarkOfASessionStillRunningStays) {
    Session session(test::FullUnit(), test::Records({Record::Radio, Record::Serial}));
    UnitSendState state;
    session.start(state);
    state.records[RecordNumber(Record::Radio)].unconfirmed = "2026-12-08T09:00:30+01:00 200-2";
    session.answer(Record::Radio, Delivery::Acknowledged);
    session.answer(Record::Serial, Delivery::Acknowledged);
    session.finish(state, true);

    EXPECT_EQ(Find(state, Record::Radio)->packets, session.packetsOf(Record::Radio));
    EXPECT_EQ(Find(state, Record::Radio)->unconfirmed, "2026-12-08T09:00:30+01:00 200-2");
    EXPECT_EQ(Find(state, Record::Serial)->unconfirmed, "");
}

TEST(SessionRecordingTest, TheLogEntryNamesEveryGroupWithItsOutcome) {
    UnitConfiguration config = test::FullUnit();
    config.unit.id = "42";
    Session session(config, SendSelection::Of({SendGroup::General, SendGroup::Network}));
    session.answer(Record::General, Delivery::Acknowledged);
    session.answer(Record::Network, Delivery::Acknowledged);
    session.report.setDelivery(Record::Peers, 0, {Delivery::ErrorReport, "E12"});

    const SendLogEntry entry = LogEntryOf(session.end, config, "/dev/ttyUSB0", "verdict", "korucfg 1.3");
    EXPECT_EQ(entry, (SendLogEntry{kEnded, "0000000042", config.unit.alias, "/dev/ttyUSB0", {"general", "network"},
                                   "verdict",
                                   {{"general", "acknowledged"}, {"network", "error report E12 (record 15, packet 1 of 6)"}},
                                   "korucfg 1.3"}));
}

}  // namespace
}  // namespace koru
