#pragma once

// Which record groups a send carries, and the fixed order in which they go out.

#include <array>

namespace koru {

// The unit's parameter records by number; there is no record 9.
enum class Record {
    General = 1,  // alias and sleep mode
    Network = 2,  // place in the network
    Radio = 3,
    Serial = 4,
    Inputs = 5,
    IoMasks = 6,
    ReceivedMessages = 7,  // texts that raise message events
    Timers = 8,
    SentMessages = 10,  // texts that message actions send
    OutputFlagPatterns = 11,
    Actions = 12,       // one definition per action
    EventActions = 13,  // event-action pairs
    Counters = 14,
    Peers = 15,  // upper and lower units with their pings
};

inline constexpr int RecordNumber(Record record) {
    return static_cast<int>(record);
}

// Records in send order.
inline constexpr std::array<Record, 14> kSendOrder{
    Record::General, Record::Network,     Record::Peers,        Record::Radio,
    Record::Serial,  Record::Inputs,      Record::IoMasks,      Record::ReceivedMessages,
    Record::Timers,  Record::Counters,    Record::SentMessages, Record::OutputFlagPatterns,
    Record::Actions, Record::EventActions};

struct SendSelection {
    std::array<bool, 16> records{};  // indexed by record number; index 0 and 9 are never used

    bool has(Record record) const { return records[static_cast<std::size_t>(RecordNumber(record))]; }
    void set(Record record, bool selected = true) {
        records[static_cast<std::size_t>(RecordNumber(record))] = selected;
    }
    int count() const;  // selected groups: the range of the progress bar

    // The send dialog's visible boxes.
    struct Boxes {
        bool general = true, network = true, radio = true, serial = true, input = true;
        bool ioEvents = true, messageEvents = true, tccEvents = true;
        bool messageActions = true, outputFlagActions = true;
    };
    static SendSelection fromBoxes(const Boxes& boxes);
};

// Whether the session logs "Status: " + the session state after this group.
bool LogsStatusAfter(Record record);

}  // namespace koru
