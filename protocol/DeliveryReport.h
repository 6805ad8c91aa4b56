#pragma once

// What became of each selected group of a send: every packet its records hand over is acknowledged,
// answered with an error report or with differing counts, left unanswered, or never sent. The command
// line prints it at the end of every session and the progress dialog shows the same lines.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/SendSelection.h"

namespace koru {

enum class Delivery {
    NotSent,          // never written (the session ended before it), or its write failed
    NotAnswered,      // written, but the next line went out (or the session ended) without an answer
    Acknowledged,     // answered with equal counts
    ErrorReport,      // answered with an error report
    DifferingCounts,  // answered with counts that differ
};

struct PacketDelivery {
    Delivery delivery = Delivery::NotSent;
    std::string errorCode;  // an error report's code, e.g. "E12"
};

// One box of the send dialog and the records it sent.
struct GroupDelivery {
    std::string name;  // on the command line, e.g. "radio"; "record-N" for a record no box covers
    std::string caption;
    std::vector<Record> records;
    std::size_t packets = 0;
    // The first packet that was not acknowledged, when there is one.
    bool complete = true;
    Record failedRecord = Record::General;
    std::size_t failedPacket = 0;  // 1-based within its record
    std::size_t failedRecordPackets = 0;
    bool started = false;  // a packet of the group was acknowledged before the failed one
    PacketDelivery failure;
};

class DeliveryReport {
public:
    DeliveryReport() = default;
    explicit DeliveryReport(const SendSelection& selection) : selection_(selection) {}

    // How many packets `record` hands over in this send; all start as not sent.
    void setPacketCount(Record record, std::size_t packets);
    // What became of packet `index` (0-based) of `record`.
    void setDelivery(Record record, std::size_t index, PacketDelivery delivery);
    const PacketDelivery& delivery(Record record, std::size_t index) const;
    std::size_t packetCount(Record record) const;

    // Whether every packet of every selected record was acknowledged.
    bool allAcknowledged() const;

    // The selected boxes in the dialog's order; a selected record no box covers stands alone.
    std::vector<GroupDelivery> groups() const;

    // "Caption (records 2, 15): outcome", one line per group.
    std::vector<std::string> lines() const;

private:
    const std::vector<PacketDelivery>& packets(Record record) const;

    SendSelection selection_;
    std::array<std::vector<PacketDelivery>, kLargestRecordNumber + 1> records_{};
};

// How DescribeGroup words a group that went through.
inline constexpr std::string_view kAcknowledgedText = "acknowledged";
inline constexpr std::string_view kNothingToSendText = "nothing to send";

// The outcome of a group in words: "acknowledged", "nothing to send", "error report E12", "differing
// counts", "not answered" or "not sent", with the failed packet's place when the group has several
// packets and had begun.
std::string DescribeGroup(const GroupDelivery& group);

}  // namespace koru
