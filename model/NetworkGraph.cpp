#include "model/NetworkGraph.h"

#include "model/Windows1252.h"

namespace koru {

std::string_view EntryIdOf(std::string_view entry) { return entry.substr(0, entry.find('(')); }

std::optional<std::string_view> PingEntryUnit(std::string_view pingEntry) {
    constexpr std::string_view kSeparator = " - ";
    const std::size_t separator = pingEntry.find(kSeparator);
    if (separator == std::string_view::npos) return std::nullopt;
    return pingEntry.substr(separator + kSeparator.size());
}

ResolvedEntry NetworkGraph::resolve(std::string_view entry) const {
    if (const auto exact = byEntry.find(std::string(entry)); exact != byEntry.end()) return {exact->second, true};
    if (const auto sameId = byId.find(std::string(EntryIdOf(entry))); sameId != byId.end()) {
        return {sameId->second.front(), false};
    }
    return {};
}

std::string NetworkGraph::shown(int unit) const { return TextForMessage(units[unit].links.entry()); }

}  // namespace koru
