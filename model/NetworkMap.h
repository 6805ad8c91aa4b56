#pragma once

// The radio network of a unit library at a glance: every unit placed in a tree under its upper unit, the
// links between units as both ends state them, and every inconsistency found with the units it concerns.
// Built from the scans of the units folder (LibraryNetwork keeps them and rebuilds the map when a file
// changes); plain data, so a view can show it as it stands.
//
// The tree follows each unit's own `Upper unit`: roots are the units without an upper unit, and the units whose
// upper unit entry names no unit of the library. A loop of upper units is cut at its first unit (by file name),
// which becomes a root, so every unit stands in the tree exactly once.

#include <optional>
#include <string_view>
#include <vector>

#include "model/NetworkFinding.h"
#include "model/NetworkGraph.h"
#include "model/UnitLinks.h"

namespace koru {

// One upper/lower link between two units, as one or both of them state it.
struct NetworkLink {
    int upper = -1;            // the upper unit; -1 when the lower unit's upper unit entry names no unit
    int lower = -1;            // the lower unit; -1 when the upper unit's lower unit entry names no unit
    std::string missingEntry;  // the entry that names no unit, where one end is missing
    bool listed = false;       // the upper unit lists the lower one
    bool named = false;        // the lower unit names the upper one as its upper unit
    bool inLoop = false;       // the link is part of a loop of upper units

    // Both ends state the link, both are units of the library, and it is part of no loop.
    bool sound() const { return listed && named && upper >= 0 && lower >= 0 && !inLoop; }
};

class NetworkMap {
public:
    NetworkMap() = default;
    explicit NetworkMap(std::vector<UnitFileScan> files);

    const std::vector<MappedUnit>& units() const { return graph_.units; }
    const std::vector<int>& roots() const { return roots_; }
    // File problems first, then the inconsistencies of the links kind by kind, warnings last.
    const std::vector<NetworkFinding>& findings() const { return findings_; }
    // One per pair of units that either end links, in the order of the upper units.
    const std::vector<NetworkLink>& links() const { return links_; }

    // The unit an entry names: the unit with exactly this entry, else the first with its ID.
    std::optional<int> unitOfEntry(std::string_view entry) const;
    // The unit held by the file of this name in the units folder.
    std::optional<int> unitOfFile(std::string_view fileName) const;

    int problemCount() const;
    int warningCount() const;

private:
    void placeInTree(const std::vector<int>& loopCuts);
    void collectLinks(const std::vector<bool>& inLoop);
    void attachFindings();

    NetworkGraph graph_;
    std::vector<int> roots_;
    std::vector<NetworkFinding> findings_;
    std::vector<NetworkLink> links_;
};

}  // namespace koru
