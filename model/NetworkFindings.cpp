#include "model/NetworkFindings.h"

#include <algorithm>
#include <string>

#include "model/NetworkTexts.h"
#include "model/Windows1252.h"

namespace koru {

namespace {

using Kind = NetworkFindingKind;

void add(std::vector<NetworkFinding>& findings, Kind kind, std::vector<int> units, std::string text) {
    NetworkFinding finding;
    finding.kind = kind;
    finding.units = std::move(units);
    finding.text = std::move(text);
    findings.push_back(std::move(finding));
}

// "A", "A and B", "A, B and C".
std::string namesOf(const NetworkGraph& graph, const std::vector<int>& units) {
    std::string names;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i > 0) names += i + 1 == units.size() ? " and " : ", ";
        names += graph.shown(units[i]);
    }
    return names;
}

// The units that list `unit` as a lower unit, each once, in file order.
std::vector<int> listersOf(const NetworkGraph& graph, int unit) {
    std::vector<int> listers;
    for (const LowerListing& listing : graph.listings[unit]) listers.push_back(listing.unit);
    std::sort(listers.begin(), listers.end());
    listers.erase(std::unique(listers.begin(), listers.end()), listers.end());
    return listers;
}

// How a unit's upper unit reads in a message: the unit, or the entry that names no unit.
std::string upperOf(const NetworkGraph& graph, int unit) {
    const MappedUnit& mapped = graph.units[unit];
    return mapped.upper >= 0 ? graph.shown(mapped.upper) : TextForMessage(mapped.links.network.upperUnit);
}

// Whether a ping entry pings the unit of `unitEntry`: the same ID, which is all the unit receives.
bool pings(std::string_view pingEntry, std::string_view unitEntry) {
    const std::optional<std::string_view> pinged = PingEntryUnit(pingEntry);
    return pinged && EntryIdOf(*pinged) == EntryIdOf(unitEntry);
}

std::optional<std::string> upperPingProblem(const NetworkGraph& graph, int holder) {
    const NetworkSetup& network = graph.units[holder].links.network;
    const std::string ping = "\"" + TextForMessage(network.upperPing) + "\"";
    if (network.upperUnit.empty() && network.upperPing.empty()) return std::nullopt;
    if (network.upperUnit.empty()) return graph.shown(holder) + " has the upper ping entry " + ping + " but no upper unit";
    const std::string upper = TextForMessage(network.upperUnit);
    if (network.upperPing.empty()) return graph.shown(holder) + " has the upper unit " + upper + " but no upper ping entry";
    if (pings(network.upperPing, network.upperUnit)) return std::nullopt;
    return "The upper ping entry of " + graph.shown(holder) + ", " + ping + ", does not name its upper unit " + upper;
}

std::optional<std::string> lowerPingProblem(const NetworkGraph& graph, int holder) {
    const NetworkSetup& network = graph.units[holder].links.network;
    if (network.lowerPing.size() != network.lowerUnits.size()) {
        return "The lower ping list of " + graph.shown(holder) + " has " + Counted(network.lowerPing.size(), "entry", "entries") +
               " for " + Counted(network.lowerUnits.size(), "lower unit", "lower units");
    }
    for (std::size_t k = 0; k < network.lowerUnits.size(); ++k) {
        if (pings(network.lowerPing[k], network.lowerUnits[k])) continue;
        const std::string position = std::to_string(k + 1);
        return "The lower ping entry " + position + " of " + graph.shown(holder) + ", \"" +
               TextForMessage(network.lowerPing[k]) + "\", does not name its lower unit " + position + ", " +
               TextForMessage(network.lowerUnits[k]);
    }
    return std::nullopt;
}

// An entry with an old alias, and the keys of one unit that hold it.
struct OldEntry {
    int unit = -1;
    std::string entry;
    std::vector<std::string> settings;
};

// The entries of `holder` that name a unit by its ID but with another alias, in the order they stand.
std::vector<OldEntry> oldEntriesOf(const NetworkGraph& graph, int holder) {
    std::vector<OldEntry> olds;
    const auto note = [&](std::string_view entry, const char* setting) {
        const ResolvedEntry named = graph.resolve(entry);
        if (named.unit < 0 || named.exact || graph.byId.at(graph.units[named.unit].links.unit.id).size() != 1) return;
        auto old = std::find_if(olds.begin(), olds.end(),
                                [&](const OldEntry& seen) { return seen.unit == named.unit && seen.entry == entry; });
        if (old == olds.end()) old = olds.insert(olds.end(), OldEntry{named.unit, std::string(entry), {}});
        if (std::find(old->settings.begin(), old->settings.end(), setting) == old->settings.end()) {
            old->settings.emplace_back(setting);
        }
    };
    const NetworkSetup& network = graph.units[holder].links.network;
    if (!network.upperUnit.empty()) note(network.upperUnit, "Upper unit");
    for (const std::string& entry : network.lowerUnits) note(entry, "Lower units");
    if (const auto pinged = PingEntryUnit(network.upperPing)) note(*pinged, "Upper ping");
    for (const std::string& ping : network.lowerPing) {
        if (const auto pinged = PingEntryUnit(ping)) note(*pinged, "Lower ping");
    }
    return olds;
}

}  // namespace

void FindLinkProblems(const NetworkGraph& graph, std::vector<NetworkFinding>& findings) {
    for (int lower = 0; lower < static_cast<int>(graph.units.size()); ++lower) {
        const MappedUnit& unit = graph.units[lower];
        const std::vector<int> listers = listersOf(graph, lower);
        if (listers.size() == 1 && unit.upper != listers.front()) {
            const int lister = listers.front();
            const bool noUpper = unit.links.network.upperUnit.empty();
            std::vector<int> involved{lister, lower};
            if (unit.upper >= 0) involved.push_back(unit.upper);
            add(findings, Kind::LowerNamesOtherUpper, std::move(involved),
                graph.shown(lister) + " lists " + graph.shown(lower) + " as a lower unit, but " + graph.shown(lower) +
                    (noUpper ? " has no upper unit" : " names " + upperOf(graph, lower) + " as its upper unit"));
        }
        const bool upperLists = std::find(listers.begin(), listers.end(), unit.upper) != listers.end();
        if (unit.upper >= 0 && listers.size() != 1 && !upperLists) {
            add(findings, Kind::UpperMissesLower, {lower, unit.upper},
                graph.shown(lower) + " names " + graph.shown(unit.upper) + " as its upper unit, but " +
                    graph.shown(unit.upper) + " does not list it as a lower unit");
        }
    }
}

void FindUnknownEntries(const NetworkGraph& graph, std::vector<NetworkFinding>& findings) {
    const auto unknown = [&](int holder, const std::string& entry, const char* role) {
        add(findings, Kind::UnknownEntry, {holder},
            graph.shown(holder) + role + TextForMessage(entry) + ", but no unit of the library has the ID " +
                TextForMessage(EntryIdOf(entry)));
    };
    for (int holder = 0; holder < static_cast<int>(graph.units.size()); ++holder) {
        const NetworkSetup& network = graph.units[holder].links.network;
        if (!network.upperUnit.empty() && graph.resolve(network.upperUnit).unit < 0) {
            unknown(holder, network.upperUnit, " names the upper unit ");
        }
        for (const std::string& entry : network.lowerUnits) {
            if (graph.resolve(entry).unit < 0) unknown(holder, entry, " lists the lower unit ");
        }
    }
}

void FindLowerOfSeveral(const NetworkGraph& graph, std::vector<NetworkFinding>& findings) {
    for (int lower = 0; lower < static_cast<int>(graph.units.size()); ++lower) {
        const std::vector<int> listers = listersOf(graph, lower);
        const std::size_t listings = graph.listings[lower].size();
        if (listers.size() >= 2) {
            std::vector<int> involved{lower};
            involved.insert(involved.end(), listers.begin(), listers.end());
            add(findings, Kind::LowerOfSeveral, std::move(involved),
                graph.shown(lower) + " is listed as a lower unit by " + namesOf(graph, listers));
        } else if (listings >= 2) {
            add(findings, Kind::LowerOfSeveral, {lower, listers.front()},
                graph.shown(lower) + " is listed " + std::to_string(listings) + " times as a lower unit by " +
                    graph.shown(listers.front()));
        }
    }
}

std::vector<bool> FindUpperLoops(const NetworkGraph& graph, std::vector<NetworkFinding>& findings) {
    enum class Visit { No, OnPath, Done };
    const int count = static_cast<int>(graph.units.size());
    std::vector<Visit> visit(static_cast<std::size_t>(count), Visit::No);
    std::vector<bool> inLoop(static_cast<std::size_t>(count), false);
    // Every unit has at most one upper unit, so a walk up from any unit either ends or runs into a loop.
    for (int start = 0; start < count; ++start) {
        std::vector<int> path;
        int unit = start;
        while (unit >= 0 && visit[unit] == Visit::No) {
            visit[unit] = Visit::OnPath;
            path.push_back(unit);
            unit = graph.units[unit].upper;
        }
        if (unit >= 0 && visit[unit] == Visit::OnPath) {
            std::vector<int> loop(std::find(path.begin(), path.end(), unit), path.end());
            std::rotate(loop.begin(), std::min_element(loop.begin(), loop.end()), loop.end());
            std::string text = "A loop of upper units: ";
            for (const int member : loop) {
                text += graph.shown(member) + " -> ";
                inLoop[member] = true;
            }
            text += graph.shown(loop.front()) + " (each names the next as its upper unit)";
            add(findings, Kind::UpperLoop, std::move(loop), std::move(text));
        }
        for (const int walked : path) visit[walked] = Visit::Done;
    }
    return inLoop;
}

void FindDuplicateIds(const NetworkGraph& graph, std::vector<NetworkFinding>& findings) {
    std::vector<std::vector<int>> shared;
    for (const auto& [id, units] : graph.byId) {
        if (units.size() >= 2) shared.push_back(units);
    }
    std::sort(shared.begin(), shared.end());
    for (std::vector<int>& units : shared) {
        std::string files;
        for (std::size_t i = 0; i < units.size(); ++i) {
            if (i > 0) files += i + 1 == units.size() ? " and " : ", ";
            files += "\"" + TextForMessage(graph.units[units[i]].fileName) + "\"";
        }
        const std::string id = graph.units[units.front()].links.unit.id;
        add(findings, Kind::DuplicateId, std::move(units), "The unit files " + files + " hold the same ID " + id);
    }
}

void FindPingMismatches(const NetworkGraph& graph, std::vector<NetworkFinding>& findings) {
    for (int holder = 0; holder < static_cast<int>(graph.units.size()); ++holder) {
        if (auto problem = upperPingProblem(graph, holder)) add(findings, Kind::PingMismatch, {holder}, *problem);
        if (auto problem = lowerPingProblem(graph, holder)) add(findings, Kind::PingMismatch, {holder}, *problem);
    }
}

void FindOldAliases(const NetworkGraph& graph, std::vector<NetworkFinding>& findings) {
    for (int holder = 0; holder < static_cast<int>(graph.units.size()); ++holder) {
        for (OldEntry& old : oldEntriesOf(graph, holder)) {
            NetworkFinding finding;
            finding.kind = Kind::OldAlias;
            finding.units = {holder, old.unit};
            finding.oldEntry = std::move(old.entry);
            finding.newEntry = graph.units[old.unit].links.entry();
            finding.settings = std::move(old.settings);
            std::string keys;
            for (const std::string& setting : finding.settings) keys += (keys.empty() ? "" : ", ") + setting;
            finding.text = graph.shown(holder) + " names " + TextForMessage(finding.oldEntry) + " (" + keys +
                           "), but that unit is now " + graph.shown(old.unit);
            findings.push_back(std::move(finding));
        }
    }
}

}  // namespace koru
