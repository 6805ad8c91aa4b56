#pragma once

// The unit's parameter records, the groups the send dialog offers, and which records a send carries.

#include <array>
#include <cstddef>
#include <initializer_list>

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
inline constexpr int kLargestRecordNumber = 15;

inline constexpr int RecordNumber(Record record) {
    return static_cast<int>(record);
}

// The groups the technician ticks in the send dialog (protocol/SendGroupTable.h names them).
enum class SendGroup {
    General, Network, Radio, Serial, Input, IoEvents, MessageEvents, TccEvents, MessageActions, OutputFlagActions,
};
inline constexpr int kSendGroupCount = 10;

// A set of send groups: the boxes ticked, or the groups that send one record.
class SendGroups {
public:
    constexpr SendGroups() = default;
    constexpr SendGroups(std::initializer_list<SendGroup> groups) {
        for (SendGroup group : groups) set(group);
    }
    static constexpr SendGroups All() {
        SendGroups all;
        all.bits_ = (1U << kSendGroupCount) - 1;
        return all;
    }

    constexpr bool has(SendGroup group) const { return (bits_ & Bit(group)) != 0; }
    constexpr void set(SendGroup group, bool on = true) { bits_ = on ? bits_ | Bit(group) : bits_ & ~Bit(group); }
    constexpr bool sharesAny(SendGroups other) const { return (bits_ & other.bits_) != 0; }
    constexpr bool operator==(const SendGroups&) const = default;

private:
    static constexpr unsigned Bit(SendGroup group) { return 1U << static_cast<unsigned>(group); }
    unsigned bits_ = 0;
};

// The records a send carries.
struct SendSelection {
    std::array<bool, kLargestRecordNumber + 1> records{};  // indexed by record number; 0 and 9 are never used

    bool has(Record record) const { return records[static_cast<std::size_t>(RecordNumber(record))]; }
    void set(Record record, bool selected = true) {
        records[static_cast<std::size_t>(RecordNumber(record))] = selected;
    }
    int count() const;  // selected records: the range of the progress bar

    // The records of the ticked groups; records 12 and 13 go with either action group.
    static SendSelection Of(SendGroups ticked);
};

}  // namespace koru
