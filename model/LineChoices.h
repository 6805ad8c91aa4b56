#pragma once

// The choices of a serial line, the same for the unit's own serial interface (section Serial) and for the
// line the program sends on (the settings dialog).

#include <array>
#include <string_view>

namespace koru {

inline constexpr std::array<std::string_view, 10> kBaudRates{"300",  "600",   "1200",  "2400",  "4800",
                                                              "9600", "19200", "38400", "57600", "115200"};
inline constexpr std::array<std::string_view, 4> kDataBits{"5", "6", "7", "8"};
inline constexpr std::array<std::string_view, 2> kStopBits{"1", "2"};

}  // namespace koru
