#pragma once

// Every duration of the live link in one place. Tests drive them on virtual time.

#include <chrono>

namespace koru::timing {

inline constexpr std::chrono::milliseconds kAcknowledgementWait{15000};  // longest wait for "OK" before a packet
inline constexpr std::chrono::milliseconds kSettlingPause{500};          // after each written line, nothing handled
inline constexpr std::chrono::milliseconds kBlinkInterval{100};          // transfer indicator
inline constexpr std::chrono::milliseconds kFloodReadPause{10};          // between reads while the line floods
inline constexpr std::chrono::milliseconds kDefaultReplyTimeout{3000};   // SendTimer when nothing is stored
inline constexpr std::chrono::milliseconds kMinimumReplyTimeout{1000};
inline constexpr std::chrono::milliseconds kMaximumReplyTimeout{3600000};  // a stored value beyond this is clamped

}  // namespace koru::timing
