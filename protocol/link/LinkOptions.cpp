#include "protocol/link/LinkOptions.h"

#include <array>
#include <type_traits>

#include "platform/PortSettings.h"

namespace koru {

namespace {

constexpr std::array<int, 10> kBaudOptions{300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
constexpr std::array<char, 3> kParityOptions{'N', 'O', 'E'};
constexpr std::array<int, 4> kDataBitOptions{5, 6, 7, 8};
constexpr std::array<int, 2> kStopBitOptions{1, 2};

template <typename Options, typename Value>
int indexOf(const Options& options, Value value) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i] == value) return static_cast<int>(i);
    }
    return -1;
}

template <typename Options>
std::string optionText(const Options& options, int index) {
    if (index < 0 || index >= static_cast<int>(options.size())) return {};
    if constexpr (std::is_same_v<typename Options::value_type, char>) {
        return std::string(1, options[static_cast<std::size_t>(index)]);
    } else {
        return std::to_string(options[static_cast<std::size_t>(index)]);
    }
}

}  // namespace

std::string LinkOptions::settingsString() const {
    return optionText(kBaudOptions, baud) + "," + optionText(kParityOptions, parity) + "," +
           optionText(kDataBitOptions, dataBits) + "," + optionText(kStopBitOptions, stopBits);
}

LinkOptions LinkOptions::fromSettings(const std::string& settings) {
    const auto parsed = PortSettings::parse(settings);
    if (!parsed) return LinkOptions{};
    return {indexOf(kBaudOptions, parsed->baud), indexOf(kParityOptions, parsed->parity),
            indexOf(kDataBitOptions, parsed->dataBits), indexOf(kStopBitOptions, parsed->stopBits)};
}

}  // namespace koru
