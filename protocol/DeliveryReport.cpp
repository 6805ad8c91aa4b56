#include "protocol/DeliveryReport.h"

#include <algorithm>

#include "protocol/RecordTable.h"
#include "protocol/SendGroupTable.h"

namespace koru {

namespace {

std::size_t Index(Record record) {
    return static_cast<std::size_t>(RecordNumber(record));
}

std::string RecordList(const std::vector<Record>& records) {
    std::string list = records.size() == 1 ? "record " : "records ";
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0) list += ", ";
        list += std::to_string(RecordNumber(records[i]));
    }
    return list;
}

}  // namespace

void DeliveryReport::setPacketCount(Record record, std::size_t packets) {
    records_[Index(record)].assign(packets, PacketDelivery{});
}

void DeliveryReport::setDelivery(Record record, std::size_t index, PacketDelivery delivery) {
    std::vector<PacketDelivery>& packets = records_[Index(record)];
    if (index < packets.size()) packets[index] = std::move(delivery);
}

const std::vector<PacketDelivery>& DeliveryReport::packets(Record record) const {
    return records_[Index(record)];
}

const PacketDelivery& DeliveryReport::delivery(Record record, std::size_t index) const {
    return packets(record).at(index);
}

std::size_t DeliveryReport::packetCount(Record record) const {
    return packets(record).size();
}

bool DeliveryReport::allAcknowledged() const {
    for (const RecordDescription& row : RecordsInSendOrder()) {
        if (!selection_.has(row.record)) continue;
        for (const PacketDelivery& packet : packets(row.record)) {
            if (packet.delivery != Delivery::Acknowledged) return false;
        }
    }
    return true;
}

std::vector<GroupDelivery> DeliveryReport::groups() const {
    std::vector<GroupDelivery> groups;
    std::vector<Record> covered;
    auto add = [&](std::string name, std::string caption, const std::vector<Record>& records) {
        GroupDelivery group;
        group.name = std::move(name);
        group.caption = std::move(caption);
        for (Record record : records) {
            if (!selection_.has(record)) continue;
            group.records.push_back(record);
            covered.push_back(record);
            const std::vector<PacketDelivery>& sent = packets(record);
            group.packets += sent.size();
            for (std::size_t i = 0; i < sent.size() && group.complete; ++i) {
                if (sent[i].delivery == Delivery::Acknowledged) {
                    group.started = true;
                    continue;
                }
                group.complete = false;
                group.failedRecord = record;
                group.failedPacket = i + 1;
                group.failedRecordPackets = sent.size();
                group.failure = sent[i];
            }
        }
        groups.push_back(std::move(group));
    };
    for (const SendGroupDescription& row : SendGroupTable()) {
        const std::vector<Record> records = RecordsOf(row.group);
        if (selection_.has(records.front())) add(row.name, row.caption, records);
    }
    for (const RecordDescription& row : RecordsInSendOrder()) {
        if (selection_.has(row.record) && std::find(covered.begin(), covered.end(), row.record) == covered.end()) {
            const std::string number = std::to_string(RecordNumber(row.record));
            add("record-" + number, "Record " + number, {row.record});
        }
    }
    return groups;
}

std::vector<std::string> DeliveryReport::lines() const {
    std::vector<std::string> lines;
    for (const GroupDelivery& group : groups()) {
        lines.push_back(group.caption + " (" + RecordList(group.records) + "): " + DescribeGroup(group));
    }
    return lines;
}

std::string DescribeGroup(const GroupDelivery& group) {
    if (group.complete) return std::string(group.packets == 0 ? kNothingToSendText : kAcknowledgedText);
    std::string text;
    switch (group.failure.delivery) {
        case Delivery::NotSent:
            text = "not sent";
            break;
        case Delivery::NotAnswered:
            text = "not answered";
            break;
        case Delivery::ErrorReport:
            text = "error report";
            if (!group.failure.errorCode.empty()) text += " " + group.failure.errorCode;
            break;
        case Delivery::DifferingCounts:
            text = "differing counts";
            break;
        case Delivery::Acknowledged:
            break;
    }
    if (group.packets > 1 && (group.started || group.failure.delivery != Delivery::NotSent)) {
        text += " (record " + std::to_string(RecordNumber(group.failedRecord)) + ", packet " +
                std::to_string(group.failedPacket) + " of " + std::to_string(group.failedRecordPackets) + ")";
    }
    return text;
}

}  // namespace koru
