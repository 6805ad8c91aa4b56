#include "protocol/link/StoredLinkSettings.h"

#include <charconv>
#include <optional>

#include "model/TextRules.h"
#include "platform/PortDevices.h"
#include "platform/PortSettings.h"
#include "protocol/link/LinkTimings.h"

namespace koru {

namespace {

std::optional<long long> WholeNumber(const std::string& text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return std::nullopt;
    long long value = 0;
    const char* end = trimmed.data() + trimmed.size();
    auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace

std::string StoredLineSettings(const SettingsStore& store) {
    return store.value(kLinkSection, "ComPortS", kDefaultPortSettings);
}

std::chrono::milliseconds StoredReplyTimeout(const SettingsStore& store) {
    const auto stored = WholeNumber(store.value(kLinkSection, "TOslider", "3000"));
    return std::chrono::milliseconds(stored.value_or(timing::kDefaultReplyTimeout.count()));
}

int StoredPortNumber(const SettingsStore& store) {
    const auto stored = WholeNumber(store.value(kLinkSection, "ComPortP", "1"));
    return stored && *stored >= 1 && *stored <= 3 ? static_cast<int>(*stored) : 1;
}

}  // namespace koru
