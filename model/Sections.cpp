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

enum class Group { Setup, Input, Event, Action };

Group GroupOf(Section section) {
    switch (section) {
        case Section::Input:
        case Section::IoEvent: return Group::Input;
        case Section::TimerEvent:
        case Section::CommunicationEvent:
        case Section::CounterEvent:
        case Section::MessageEvent:
        case Section::RemoteEvent: return Group::Event;
        case Section::MessageAction:
        case Section::OutputFlagAction:
        case Section::TimerAction:
        case Section::CounterAction: return Group::Action;
        default: return Group::Setup;
    }
}

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

std::unique_ptr<SectionReader> MakeSectionReader(Section section) {
    switch (GroupOf(section)) {
        case Group::Setup: return MakeSetupSectionReader(section);
        case Group::Input: return MakeInputSectionReader(section);
        case Group::Event: return MakeEventSectionReader(section);
        case Group::Action: return MakeActionSectionReader(section);
    }
    return nullptr;
}

void WriteSection(Section section, LineWriter& out, const UnitConfiguration& config) {
    switch (GroupOf(section)) {
        case Group::Setup: return WriteSetupSection(section, out, config);
        case Group::Input: return WriteInputSection(section, out, config);
        case Group::Event: return WriteEventSection(section, out, config);
        case Group::Action: return WriteActionSection(section, out, config);
    }
}

}  // namespace koru
