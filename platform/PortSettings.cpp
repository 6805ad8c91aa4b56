#include "platform/PortSettings.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace koru {

namespace {

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<PortSettings> PortSettings::parse(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        parts.push_back(trimBlanks(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (parts.size() != 4 || parts[1].size() != 1) return std::nullopt;

    PortSettings settings;
    const auto baud = wholeNumber(parts[0]);
    const auto dataBits = wholeNumber(parts[2]);
    const auto stopBits = wholeNumber(parts[3]);
    const char parity = static_cast<char>(std::toupper(static_cast<unsigned char>(parts[1][0])));
    if (!baud || *baud <= 0 || !dataBits || *dataBits < 5 || *dataBits > 8 || !stopBits ||
        (*stopBits != 1 && *stopBits != 2) || std::string("NOEMS").find(parity) == std::string::npos) {
        return std::nullopt;
    }
    settings.baud = *baud;
    settings.parity = parity;
    settings.dataBits = *dataBits;
    settings.stopBits = *stopBits;
    return settings;
}

}  // namespace koru
