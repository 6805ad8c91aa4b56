#pragma once

// Every parameter record, described once and listed in send order: the name its log entries give it, its
// encoder, the send groups that carry it and whether the session logs its state after it. The planner, the
// preflight, the live send and the delivery report all work from this table.

#include <span>
#include <string>
#include <vector>

#include "model/UnitConfiguration.h"
#include "protocol/EncoderStep.h"
#include "protocol/RecordEncoders.h"
#include "protocol/SendSelection.h"

namespace koru {

struct RecordDescription {
    Record record;
    // The operation a failed step names in the link log ("Error in set_param14(): Overflow"): the names the
    // unit's technicians know from the log, kept as they are.
    const char* logLabel;
    bool logLineBreak;  // a failed step's log entry ends with a line break (record 4's do not)
    EncoderSteps (*encode)(const UnitConfiguration& config, EncodeContext& context);
    SendGroups groups;     // the send dialog's groups that carry it
    bool logsStatusAfter;  // the session logs "Status: " and its state once the record is sent
};

// Every record, in the order a send hands them over.
std::span<const RecordDescription> RecordsInSendOrder();

const RecordDescription& DescribeRecord(Record record);

// Runs the encoder of one record.
EncoderSteps EncodeRecord(Record record, const UnitConfiguration& config, EncodeContext& context);

// One record of a send as its encoder made it, with where each step came from.
struct EncodedRecord {
    Record record;
    EncoderSteps steps;
    std::vector<StepOrigin> origins;  // one per step

    // The packet texts the record hands over (empty hand-overs, which send nothing, left out).
    std::vector<std::string> packets() const;
};

// The selected records of a send in send order, as the send hands them over: record 13 numbers its actions
// through record 12 of the same call. `headerLength` is the length of the session header in front of every
// packet.
std::vector<EncodedRecord> EncodeSelection(const UnitConfiguration& config, const SendSelection& selection,
                                           std::size_t headerLength);

}  // namespace koru
