#pragma once

// What a send writes when the unit acknowledges every packet at once: the exact bytes, what the technician
// would be shown on the way, the error score and the verdict. The live session replays the same pieces.

#include <array>
#include <string>
#include <vector>

#include "model/UnitConfiguration.h"
#include "protocol/SendSelection.h"

namespace koru {

inline constexpr const char* kVerdictSaved = "Selected parameters saved in Koru";
inline constexpr const char* kVerdictFailed = "An error occured while communicating with Koru unit ";

struct SessionTranscript {
    std::string bytes;                     // start line, packet lines, end line (unless stopped)
    std::vector<std::string> diagnostics;  // link-log entries and message-box texts, in order
    bool stoppedEarly = false;             // a group failed: no end line, no verdict
    std::string verdict;                   // one of the two verdict texts; empty when stopped early
    double errorScore = 0;

    bool saved() const { return !stoppedEarly && verdict == kVerdictSaved; }
};

// Plans a send of the selected groups, with the retransmission times of config.radio.
SessionTranscript PlanSession(const UnitConfiguration& config, const SendSelection& selection);

// The packet texts (without the session header) each record hands to the unit, by record number, as a send
// of every group encodes them. A send of fewer groups puts the same packets on the wire for the records it
// carries: record 13 numbers the actions through the record 12 that always goes with it. Every record is
// encoded, also where a packet over the line limit would stop a send.
using RecordPackets = std::array<std::vector<std::string>, kLargestRecordNumber + 1>;
RecordPackets PlanRecordPackets(const UnitConfiguration& config);

// The diagnostic line of a link-log entry or message text: line breaks at either end removed.
std::string DiagnosticLine(const std::string& text);

}  // namespace koru
