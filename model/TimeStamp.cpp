#include "model/TimeStamp.h"

#include <array>

namespace koru {

namespace {

std::string Formatted(std::time_t when, const char* format) {
    std::tm local{};
    localtime_r(&when, &local);
    std::array<char, 64> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), format, &local);
    return std::string(text.data(), length);
}

}  // namespace

std::string IsoLocalTime(std::time_t when) {
    // strftime writes the offset as "+0100"; ISO 8601's extended form wants "+01:00".
    std::string text = Formatted(when, "%Y-%m-%dT%H:%M:%S%z");
    if (text.size() >= 5) text.insert(text.size() - 2, ":");
    return text;
}

std::string IsoLocalTimeNow() { return IsoLocalTime(std::time(nullptr)); }

std::string FileNameTime(std::time_t when) { return Formatted(when, "%Y%m%d-%H%M%S"); }

}  // namespace koru
