#pragma once

// The settings whose key line is more than one field's text: option groups, the "Setup units" line of four
// flags and a unit, the voltage range, and the one flag that only "0" and "1" change.

#include <string_view>

#include "model/SettingCatalog.h"

namespace koru {

// Option group values of the voltage range (the user range is written as its minimum, "-", its maximum).
inline constexpr std::string_view kBaseVoltage = "0-2.5";
inline constexpr std::string_view kStarterKitVoltage = "0-30";
inline constexpr std::string_view kUserVoltage = "user";

extern const OptionGroup kBroadcastGroup;     // "1", "2", "3"; "" for none
extern const OptionGroup kGatewayGroup;       // "1" on, "0" off; "" for none
extern const OptionGroup kVoltageRangeGroup;  // kBaseVoltage, kStarterKitVoltage, kUserVoltage; "" for none
extern const OptionGroup kInputTypeGroup;     // "A" analogue, "D" digital (any other value reads as digital)
extern const OptionGroup kSleepEdgeGroup;     // "1" on high, "0" on low (any other value reads as low)

extern const KeyCodec kSetupUnitsCodec;
extern const KeyCodec kGeneralBroadcastCodec;
extern const KeyCodec kVoltageRangeCodec;

}  // namespace koru
