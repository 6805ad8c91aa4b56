#pragma once

// The unit's place in the radio tree, edited from the library's unit list: the upper unit, the lower units
// and a ping entry toward each neighbour. A ping entry is the ping choice, " - " and the neighbour's unit
// entry; the lower ping entries stand at the positions of their lower units. No selection is an empty entry
// or the position -1; every operation then does nothing and returns false.

#include <string>
#include <string_view>

#include "model/UnitConfiguration.h"

namespace koru {

inline constexpr std::string_view kNoPing = "No ping";
inline constexpr std::string_view kShortPing = "Short ping time";
inline constexpr std::string_view kLongPing = "Long ping time";

// choice " - " entry.
std::string PingEntry(std::string_view choice, std::string_view unitEntry);

// The chosen unit becomes the upper unit, pinged with "Long ping time".
bool SelectUpperUnit(NetworkSetup& network, std::string_view unitEntry);

// No upper unit and no upper ping entry.
void ClearUpperUnit(NetworkSetup& network);

// Appends the unit with "Short ping time" unless it is a lower unit already. A unit file may hold fewer
// ping entries than lower units; those units get "No ping" entries first (what a missing entry sends), so
// the new entry stands at its unit's position.
bool AddLowerUnit(NetworkSetup& network, std::string_view unitEntry);

// Removes the lower unit at `position` and its ping entry, when it has one.
bool RemoveLowerUnit(NetworkSetup& network, int position);

// The upper ping entry with another choice; nothing without an upper unit.
bool ChangeUpperPing(NetworkSetup& network, std::string_view choice);

// The ping entry at `pingPosition` (the user selects the ping entry) with another choice, naming the lower
// unit at that position; nothing when no lower unit stands there.
bool ChangeLowerPing(NetworkSetup& network, int pingPosition, std::string_view choice);

}  // namespace koru
