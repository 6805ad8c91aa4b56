#pragma once

// The line-setting option groups of the settings dialog, as control indexes; -1 is "nothing selected".

#include <string>

namespace koru {

struct LinkOptions {
    int baud = 5;      // 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200
    int parity = 0;    // N, O, E
    int dataBits = 3;  // 5, 6, 7, 8
    int stopBits = 0;  // 1, 2

    // "9600,N,8,1"; a group with nothing selected contributes an empty part.
    std::string settingsString() const;
    // The groups that show `settings`; a value without an option leaves its group unselected.
    static LinkOptions fromSettings(const std::string& settings);
    bool operator==(const LinkOptions&) const = default;
};

}  // namespace koru
