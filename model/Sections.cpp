#include "model/Sections.h"

namespace koru {

namespace {

constexpr std::array<const char*, kSectionCount> kSectionNames{
    "Unit",          "Network",       "Radio",          "Serial",
    "Timer",         "Counter",       "GSM",            "Web",
    "Input",         "I/O event",     "Timer event",    "Communication event",
    "Counter event", "Message event", "Remote event",   "Message action",
    "Output Flag action", "Timer action", "Counter action",
};

}  // namespace

const char* SectionName(Section section) { return kSectionNames[static_cast<int>(section)]; }

std::optional<Section> SectionByName(std::string_view name) {
    for (int i = 0; i < kSectionCount; ++i) {
        if (name == kSectionNames[i]) return static_cast<Section>(i);
    }
    return std::nullopt;
}

const std::array<Section, kSectionCount>& AllSections() {
    static const std::array<Section, kSectionCount> sections = [] {
        std::array<Section, kSectionCount> all{};
        for (int i = 0; i < kSectionCount; ++i) all[i] = static_cast<Section>(i);
        return all;
    }();
    return sections;
}

}  // namespace koru
