#pragma once

// A serial line settings string such as "9600,n,8,1": baud, parity letter, data bits, stop bits.

#include <optional>
#include <string>

namespace koru {

struct PortSettings {
    int baud = 9600;
    char parity = 'N';  // upper case: N, O, E, M or S
    int dataBits = 8;
    int stopBits = 1;

    // Accepts the parity letter in either case and blanks around the parts; nullopt when not understood.
    static std::optional<PortSettings> parse(const std::string& text);
    bool operator==(const PortSettings&) const = default;
};

inline constexpr const char* kDefaultPortSettings = "9600,n,8,1";

}  // namespace koru
