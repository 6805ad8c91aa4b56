#pragma once

// The numbers a send lives by: the unit's line limit, the width of a unit ID, and the error score that
// paces a session and decides its verdict. The planner and the live session both read them here, so a
// dry run and a real send cannot drift apart.

#include <cstddef>
#include <cstdint>

namespace koru {

inline constexpr std::size_t kLineLimit = 139;  // characters per line, CR LF included
// An encoder hands its text over once it grows past these, less the session header's length; texts in
// quotes go a little earlier.
inline constexpr std::size_t kHandOverLimit = 100;
inline constexpr std::size_t kQuotedHandOverLimit = 95;
inline constexpr std::size_t kSentMessageChars = 30;  // a message action's text is sent cut to this
inline constexpr std::size_t kUnitIdDigits =
    10;  // a unit ID is ten decimal digits; a unit entry starts with it
inline constexpr std::uint32_t kLargestUnitId = 4294967295U;

namespace score {

inline constexpr double kPerFault = 1.0;            // an error event, or a state forced on by time-outs
inline constexpr double kAcknowledgedRelief = 0.3;  // each acknowledged packet lowers the score by this
inline constexpr double kGiveUpAbove = 4.0;   // a packet handed over with a higher score gives the session up
inline constexpr double kGivenUp = 5.0;       // the score once the session was given up
inline constexpr double kSavedBelow = 4.0;    // a completed session needs a lower score to count as saved
inline constexpr int kFullSessionGroups = 4;  // fewer selected groups start the score at the difference

}  // namespace score

}  // namespace koru
