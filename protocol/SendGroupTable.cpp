#include "protocol/SendGroupTable.h"

#include <algorithm>
#include <array>

#include "protocol/RecordTable.h"

namespace koru {

namespace {

using G = SendGroup;
using K = GroupKind;

constexpr std::array<SendGroupDescription, kSendGroupCount> kGroups{{
    {G::General, "general", "General and Sleep setup", K::Setup, "chkGeneralSetup"},
    {G::Network, "network", "Network setup", K::Setup, "chkNetworkSetup"},
    {G::Radio, "radio", "Radio setup", K::Setup, "chkRadioSetup"},
    {G::Serial, "serial", "Serial communication setup", K::Setup, "chkSerialSetup"},
    {G::Input, "input", "Input setup", K::Setup, "chkInputSetup"},
    {G::IoEvents, "io-events", "I/O and Sleep events", K::Events, "chkIOEvents"},
    {G::MessageEvents, "message-events", "Message events", K::Events, "chkMessageEvents"},
    {G::TccEvents, "tcc-events", "Timer, Counter, Comm. events", K::Events, "chkTccEvents"},
    {G::MessageActions, "message-actions", "Message actions", K::Actions, "chkMessageActions"},
    {G::OutputFlagActions, "output-flag-actions", "Output and flag actions", K::Actions, "chkOutputFlagActions"},
}};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

const SendGroupDescription* FindSendGroup(std::string_view name) {
    const auto found = std::find_if(kGroups.begin(), kGroups.end(),
                                    [name](const SendGroupDescription& row) { return row.name == name; });
    return found == kGroups.end() ? nullptr : &*found;
}

std::span<const SendGroupDescription> SendGroupTable() { return kGroups; }

std::vector<Record> RecordsOf(SendGroup group) {
    std::vector<Record> records;
    for (const RecordDescription& row : RecordsInSendOrder()) {
        if (row.groups.has(group)) records.push_back(row.record);
    }
    return records;
}

std::optional<SendGroups> ParseSendGroups(std::string_view list, std::string* unknown) {
    SendGroups groups;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = Trimmed(list.substr(0, comma));
        if (!name.empty()) {
            const SendGroupDescription* row = FindSendGroup(name);
            if (row == nullptr) {
                if (unknown) *unknown = std::string(name);
                return std::nullopt;
            }
            groups.set(row->group);
        }
        if (comma == std::string_view::npos) return groups;
        list.remove_prefix(comma + 1);
    }
}

std::string SendGroupNameList() {
    std::string names;
    for (const SendGroupDescription& row : kGroups) {
        if (!names.empty()) names += ", ";
        names += row.name;
    }
    return names;
}

}  // namespace koru
