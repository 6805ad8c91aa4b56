#pragma once

// The line-setting option groups of the settings dialog, as the index of the selected option in each group;
// -1 is "nothing selected". The options are the serial line's choices (model/LineChoices.h), the parity
// options those below.

#include <array>
#include <string>
#include <string_view>

namespace koru {

struct ParityOption {
    char letter;  // in the settings string
    std::string_view caption;
};
inline constexpr std::array<ParityOption, 3> kParityOptions{{{'N', "None"}, {'O', "Odd"}, {'E', "Even"}}};

struct LinkOptions {
    int baud = 5;      // 9600
    int parity = 0;    // N
    int dataBits = 3;  // 8
    int stopBits = 0;  // 1

    // "9600,N,8,1"; a group with nothing selected contributes an empty part.
    std::string settingsString() const;
    // The groups that show `settings`; a value without an option leaves its group unselected.
    static LinkOptions fromSettings(const std::string& settings);
    bool operator==(const LinkOptions&) const = default;
};

}  // namespace koru
