#include "model/NetworkMap.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "model/NetworkFindings.h"

namespace koru {

namespace {

// The units of the scans that hold one, indexed by entry and ID, with every entry of their links resolved.
// File problems become findings, with the unit of the file where it holds one.
NetworkGraph buildGraph(std::vector<UnitFileScan>& files, std::vector<NetworkFinding>& findings) {
    std::sort(files.begin(), files.end(),
              [](const UnitFileScan& a, const UnitFileScan& b) { return a.fileName < b.fileName; });
    NetworkGraph graph;
    for (UnitFileScan& file : files) {
        const int index = file.unit ? static_cast<int>(graph.units.size()) : -1;
        if (file.problem) {
            NetworkFinding finding;
            finding.kind = NetworkFindingKind::FileProblem;
            if (index >= 0) finding.units.push_back(index);
            finding.text = file.problem->describe();
            finding.file = std::move(file.problem);
            findings.push_back(std::move(finding));
        }
        if (index < 0) continue;
        MappedUnit unit;
        unit.fileName = std::move(file.fileName);
        unit.path = std::move(file.path);
        unit.links = std::move(*file.unit);
        graph.byEntry.emplace(unit.links.entry(), index);
        graph.byId[unit.links.unit.id].push_back(index);
        graph.units.push_back(std::move(unit));
    }
    graph.listings.resize(graph.units.size());
    for (int holder = 0; holder < static_cast<int>(graph.units.size()); ++holder) {
        MappedUnit& unit = graph.units[holder];
        if (!unit.links.network.upperUnit.empty()) unit.upper = graph.resolve(unit.links.network.upperUnit).unit;
        const TextList& lowers = unit.links.network.lowerUnits;
        for (int position = 0; position < static_cast<int>(lowers.size()); ++position) {
            const int lower = graph.resolve(lowers[position]).unit;
            if (lower >= 0) graph.listings[lower].push_back({holder, position});
        }
    }
    return graph;
}

}  // namespace

NetworkMap::NetworkMap(std::vector<UnitFileScan> files) {
    graph_ = buildGraph(files, findings_);
    FindLinkProblems(graph_, findings_);
    FindUnknownEntries(graph_, findings_);
    FindLowerOfSeveral(graph_, findings_);
    const std::vector<bool> inLoop = FindUpperLoops(graph_, findings_);
    FindDuplicateIds(graph_, findings_);
    FindPingMismatches(graph_, findings_);
    FindOldAliases(graph_, findings_);
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const NetworkFinding& a, const NetworkFinding& b) { return a.kind < b.kind; });

    std::vector<int> loopCuts;
    for (const NetworkFinding& finding : findings_) {
        if (finding.kind == NetworkFindingKind::UpperLoop) loopCuts.push_back(finding.units.front());
    }
    placeInTree(loopCuts);
    collectLinks(inLoop);
    attachFindings();
}

void NetworkMap::placeInTree(const std::vector<int>& loopCuts) {
    for (int unit = 0; unit < static_cast<int>(graph_.units.size()); ++unit) {
        MappedUnit& mapped = graph_.units[unit];
        const bool cut = std::find(loopCuts.begin(), loopCuts.end(), unit) != loopCuts.end();
        mapped.parent = cut ? -1 : mapped.upper;
        std::vector<int>& siblings = mapped.parent < 0 ? roots_ : graph_.units[mapped.parent].children;
        mapped.row = static_cast<int>(siblings.size());
        siblings.push_back(unit);
    }
}

void NetworkMap::collectLinks(const std::vector<bool>& inLoop) {
    // Keyed by upper unit, lower unit and the entry of a missing end, so each link is one, whichever end states it.
    std::map<std::tuple<int, int, std::string>, NetworkLink> links;
    const auto linkOf = [&links](int upper, int lower, const std::string& missing) -> NetworkLink& {
        NetworkLink& link = links[{upper, lower, missing}];
        link.upper = upper;
        link.lower = lower;
        link.missingEntry = missing;
        return link;
    };
    for (int unit = 0; unit < static_cast<int>(graph_.units.size()); ++unit) {
        const NetworkSetup& network = graph_.units[unit].links.network;
        for (const std::string& entry : network.lowerUnits) {
            const int lower = graph_.resolve(entry).unit;
            linkOf(unit, lower, lower < 0 ? entry : std::string()).listed = true;
        }
        if (network.upperUnit.empty()) continue;
        const int upper = graph_.units[unit].upper;
        NetworkLink& named = linkOf(upper, unit, upper < 0 ? network.upperUnit : std::string());
        named.named = true;
        named.inLoop = inLoop[unit];
    }
    links_.reserve(links.size());
    for (auto& [key, link] : links) links_.push_back(std::move(link));
}

void NetworkMap::attachFindings() {
    for (int index = 0; index < static_cast<int>(findings_.size()); ++index) {
        const NetworkFinding& finding = findings_[index];
        for (const int unit : finding.units) {
            MappedUnit& mapped = graph_.units[unit];
            if (std::find(mapped.findings.begin(), mapped.findings.end(), index) != mapped.findings.end()) continue;
            mapped.findings.push_back(index);
            const bool warning = finding.severity() == FindingSeverity::Warning;
            mapped.hasWarning = mapped.hasWarning || warning;
            mapped.hasProblem = mapped.hasProblem || !warning;
        }
    }
}

std::optional<int> NetworkMap::unitOfEntry(std::string_view entry) const {
    const int unit = graph_.resolve(entry).unit;
    if (unit < 0) return std::nullopt;
    return unit;
}

std::optional<int> NetworkMap::unitOfFile(std::string_view fileName) const {
    const auto found = std::lower_bound(graph_.units.begin(), graph_.units.end(), fileName,
                                        [](const MappedUnit& unit, std::string_view name) { return unit.fileName < name; });
    if (found == graph_.units.end() || found->fileName != fileName) return std::nullopt;
    return static_cast<int>(found - graph_.units.begin());
}

int NetworkMap::problemCount() const {
    return static_cast<int>(std::count_if(findings_.begin(), findings_.end(), [](const NetworkFinding& finding) {
        return finding.severity() == FindingSeverity::Problem;
    }));
}

int NetworkMap::warningCount() const { return static_cast<int>(findings_.size()) - problemCount(); }

}  // namespace koru
