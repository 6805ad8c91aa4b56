#pragma once

// The record encoders: each turns one record of the configuration into the packet texts it hands to the
// packet sender (in order, empty ones included), the entries it puts in front of the link log and the
// message boxes it shows. They only read the configuration; the action table carries the action numbers
// from record 12 to record 13 of the same send.

#include <cstddef>
#include <string>
#include <vector>

#include "model/UnitConfiguration.h"
#include "protocol/ActionTable.h"
#include "protocol/EncoderStep.h"
#include "protocol/SendSelection.h"

namespace koru {

// Which part of the configuration a step came from, for reports to the technician.
struct StepOrigin {
    std::string section;     // the unit file's section name, e.g. "I/O event"
    std::string subsection;  // e.g. "+Mask 3", an action entry, or empty

    bool operator==(const StepOrigin&) const = default;
};

struct EncodeContext {
    std::size_t headerLength = 29;    // length of the session header in front of every packet
    ActionTable actionTable;          // filled by record 12, read by record 13
    std::vector<StepOrigin>* origins = nullptr;  // when set, receives one origin per step produced
};

// Setup: alias and sleep mode; network place; peers; radio; serial interface.
EncoderSteps EncodeGeneral(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodeNetwork(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodePeers(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodeRadio(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodeSerial(const UnitConfiguration& config, EncodeContext& context);

// Inputs, I/O masks, received-message texts, timers and counters.
EncoderSteps EncodeInputs(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodeIoMasks(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodeReceivedMessages(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodeTimers(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodeCounters(const UnitConfiguration& config, EncodeContext& context);

// Message texts to send, output/flag patterns, action definitions (fills the action table).
EncoderSteps EncodeSentMessages(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodeOutputFlagPatterns(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps EncodeActions(const UnitConfiguration& config, EncodeContext& context);

// Event-action pairs, numbered through the action table.
EncoderSteps EncodeEventActions(const UnitConfiguration& config, EncodeContext& context);

inline constexpr const char* kTooManyPairsText =
    "Total number of event-actions combinations exceeded maximum (111)";
inline constexpr int kMaxPairs = 111;

}  // namespace koru
