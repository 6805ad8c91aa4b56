#pragma once

// Durations on the wire: a scale digit ("0" tenths of a second, "1" seconds, "2" minutes, "3" hours)
// followed by three hexadecimal digits of the count in that scale.

#include <string>
#include <string_view>

namespace koru {

// The four-character time code of a number text in a time unit ("ms", "s", "min", "h"; any other unit
// takes the number as tenths of a second). A text that is not a number counts as one unit. Durations
// above 400 hours are clamped to 4000 hours. Throws StepFailure when a (negative) count does not fit a
// 32-bit integer; the calling record reports it.
std::string TimeCode(std::string_view value, std::string_view unit);

}  // namespace koru
