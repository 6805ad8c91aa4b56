#pragma once

// The units of a library with the entries of their links resolved to units: what the network's checks, its
// tree and its drawing are made from.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/UnitLinks.h"

namespace koru {

// One unit of the map: its file, what the file says, and where the map places it.
struct MappedUnit {
    std::string fileName;  // in the units folder, Windows-1252
    std::filesystem::path path;
    UnitLinks links;
    int upper = -1;   // the unit its upper unit entry names; -1 for none or one not in the library
    int parent = -1;  // the unit above it in the tree: its upper unit, -1 for a root (see NetworkMap)
    int row = 0;      // its position among its parent's children, or among the roots
    std::vector<int> children;  // the units whose parent it is, in entry order
    std::vector<int> findings;  // positions in NetworkMap::findings()
    bool hasProblem = false;    // a finding of severity Problem concerns it
    bool hasWarning = false;
};

// Where a unit is listed as a lower unit: by which unit, at which position of its list.
struct LowerListing {
    int unit = -1;
    int position = 0;
};

// What an entry names: a unit, and whether the entry is that unit's entry exactly (else only its ID agrees).
struct ResolvedEntry {
    int unit = -1;
    bool exact = false;
};

struct NetworkGraph {
    std::vector<MappedUnit> units;  // sorted by file name
    std::unordered_map<std::string, int> byEntry;
    std::unordered_map<std::string, std::vector<int>> byId;
    std::vector<std::vector<LowerListing>> listings;  // per unit: where it is listed as lower unit

    // The unit an entry names: the unit with exactly this entry, else the first unit with its ID (the text
    // before "(", or the whole entry). unit -1 when no unit has that ID.
    ResolvedEntry resolve(std::string_view entry) const;

    // The unit's entry as a message quotes it.
    std::string shown(int unit) const;
};

// The ID part of an entry: the text before its first "(", or the whole entry when it has none.
std::string_view EntryIdOf(std::string_view entry);

// The unit entry of a ping entry (the text after its first " - "); nullopt when it has no " - ".
std::optional<std::string_view> PingEntryUnit(std::string_view pingEntry);

}  // namespace koru
