#pragma once

// The units a time is given in (timers, the user ping time, the set-time action), in the order the drop-downs
// offer them, with what each is worth.

#include <array>
#include <span>
#include <string_view>

namespace koru {

struct TimeUnit {
    std::string_view name;
    double tenthsOfSecond;  // one unit in tenths of a second
};

inline constexpr std::array<TimeUnit, 4> kTimeUnits{{{"ms", 0.01}, {"s", 10}, {"min", 600}, {"h", 36000}}};

// The names, as a drop-down's choices.
std::span<const std::string_view> TimeUnitNames();

// The unit named `name`; nullptr for a name that is no unit.
const TimeUnit* FindTimeUnit(std::string_view name);

}  // namespace koru
