#include "protocol/RecordTable.h"

#include <algorithm>
#include <array>

namespace koru {

namespace {

using G = SendGroup;

constexpr std::array<RecordDescription, 14> kRecords{{
    {Record::General, "set_param1", true, EncodeGeneral, {G::General}, false},
    {Record::Network, "set_param2", true, EncodeNetwork, {G::Network}, true},
    {Record::Peers, "set_param15", true, EncodePeers, {G::Network}, true},
    {Record::Radio, "set_param3", true, EncodeRadio, {G::Radio}, true},
    {Record::Serial, "set_param4", false, EncodeSerial, {G::Serial}, true},
    {Record::Inputs, "set_param5", true, EncodeInputs, {G::Input}, true},
    {Record::IoMasks, "set_param6", true, EncodeIoMasks, {G::IoEvents}, true},
    {Record::ReceivedMessages, "set_param7", true, EncodeReceivedMessages, {G::MessageEvents}, false},
    {Record::Timers, "set_param8", true, EncodeTimers, {G::TccEvents}, true},
    {Record::Counters, "set_param14", true, EncodeCounters, {G::TccEvents}, true},
    {Record::SentMessages, "set_param10", true, EncodeSentMessages, {G::MessageActions}, false},
    {Record::OutputFlagPatterns, "set_param11", true, EncodeOutputFlagPatterns, {G::OutputFlagActions}, false},
    {Record::Actions, "set_param12", true, EncodeActions, {G::MessageActions, G::OutputFlagActions}, false},
    {Record::EventActions, "set_param13", true, EncodeEventActions, {G::MessageActions, G::OutputFlagActions},
     false},
}};

}  // namespace

std::span<const RecordDescription> RecordsInSendOrder() { return kRecords; }

const RecordDescription& DescribeRecord(Record record) {
    return *std::find_if(kRecords.begin(), kRecords.end(),
                         [record](const RecordDescription& row) { return row.record == record; });
}

EncoderSteps EncodeRecord(Record record, const UnitConfiguration& config, EncodeContext& context) {
    return DescribeRecord(record).encode(config, context);
}

std::vector<std::string> EncodedRecord::packets() const {
    std::vector<std::string> texts;
    for (const EncoderStep& step : steps) {
        if (step.kind == EncoderStep::Kind::HandOver && !step.text.empty()) texts.push_back(step.text);
    }
    return texts;
}

std::vector<EncodedRecord> EncodeSelection(const UnitConfiguration& config, const SendSelection& selection,
                                           std::size_t headerLength) {
    std::vector<EncodedRecord> encoded;
    EncodeContext context;
    context.headerLength = headerLength;
    for (const RecordDescription& row : kRecords) {
        if (!selection.has(row.record)) continue;
        EncodedRecord record{row.record, {}, {}};
        context.origins = &record.origins;
        record.steps = row.encode(config, context);
        encoded.push_back(std::move(record));
    }
    return encoded;
}

}  // namespace koru
