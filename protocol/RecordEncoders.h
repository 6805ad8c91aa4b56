#pragma once

// The record encoders: each turns one group of the configuration into the packet texts it hands to the
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

// Runs the encoder of one record.
EncoderSteps EncodeGroup(Record record, const UnitConfiguration& config, EncodeContext& context);

// Setup: alias and sleep mode; network place; peers; radio; serial interface.
EncoderSteps set_param1(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param2(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param15(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param3(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param4(const UnitConfiguration& config, EncodeContext& context);

// Inputs, I/O masks, received-message texts, timers and counters.
EncoderSteps set_param5(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param6(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param7(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param8(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param14(const UnitConfiguration& config, EncodeContext& context);

// Message texts to send, output/flag patterns, action definitions (fills the action table).
EncoderSteps set_param10(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param11(const UnitConfiguration& config, EncodeContext& context);
EncoderSteps set_param12(const UnitConfiguration& config, EncodeContext& context);

// Event-action pairs, numbered through the action table.
EncoderSteps set_param13(const UnitConfiguration& config, EncodeContext& context);

inline constexpr const char* kTooManyPairsText =
    "Total number of event-actions combinations exceeded maximum (111)";
inline constexpr int kMaxPairs = 111;

}  // namespace koru
