#pragma once

// The lists the editor builds from the unit library: the units, and the destinations that message
// actions and output/flag actions may send to.

#include <string>
#include <string_view>
#include <vector>

namespace koru {

inline constexpr std::string_view kSerialPortDestination = "[Serial port]";
inline constexpr std::string_view kUpperUnitDestination = "[Upper unit]";
inline constexpr std::string_view kGeneralBroadcastDestination = "[General Broadcast]";
inline constexpr std::string_view kNoDestination = "-";

struct UnitLists {
    std::vector<std::string> units;                   // lstUnitInSystem: one unit entry per unit file
    std::vector<std::string> messageDestinations;     // lstDest: serial port, upper unit, units, broadcast
    std::vector<std::string> outputFlagDestinations;  // lstDestOutputFlag: none, upper unit, units, broadcast
};

}  // namespace koru
