#include "editor/send/LinkOptions.h"

#include <algorithm>

#include "model/LineChoices.h"
#include "platform/PortSettings.h"

namespace koru {

namespace {

template <typename Options>
int IndexOf(const Options& options, std::string_view text) {
    const auto found = std::find(options.begin(), options.end(), text);
    return found == options.end() ? -1 : static_cast<int>(found - options.begin());
}

template <typename Options>
std::string OptionText(const Options& options, int index) {
    if (index < 0 || index >= static_cast<int>(options.size())) return {};
    return std::string(options[static_cast<std::size_t>(index)]);
}

int ParityIndex(char letter) {
    const auto found = std::find_if(kParityOptions.begin(), kParityOptions.end(),
                                    [letter](const ParityOption& option) { return option.letter == letter; });
    return found == kParityOptions.end() ? -1 : static_cast<int>(found - kParityOptions.begin());
}

}  // namespace

std::string LinkOptions::settingsString() const {
    const std::string letter =
        parity >= 0 && parity < static_cast<int>(kParityOptions.size())
            ? std::string(1, kParityOptions[static_cast<std::size_t>(parity)].letter)
            : std::string();
    return OptionText(kBaudRates, baud) + "," + letter + "," + OptionText(kDataBits, dataBits) + "," +
           OptionText(kStopBits, stopBits);
}

LinkOptions LinkOptions::fromSettings(const std::string& settings) {
    const auto parsed = PortSettings::parse(settings);
    if (!parsed) return LinkOptions{};
    return {IndexOf(kBaudRates, std::to_string(parsed->baud)), ParityIndex(parsed->parity),
            IndexOf(kDataBits, std::to_string(parsed->dataBits)), IndexOf(kStopBits, std::to_string(parsed->stopBits))};
}

}  // namespace koru
