#pragma once

// Rewrites unit entries inside the bytes of a unit file and nothing else, so a unit renamed in the library can be
// named by its new entry in the files of its neighbours without touching a byte of theirs besides.

#include <string>
#include <string_view>
#include <vector>

#include "model/UnitConfiguration.h"

namespace koru {

struct EntryRename {
    std::string oldEntry;  // Windows-1252, as the lists hold it
    std::string newEntry;
    std::vector<std::string> settings;  // the keys that hold it, for people ("Lower units", "Lower ping")
};

// The bytes with every entry in the Network section's `Upper unit` and `Lower units`, and the unit of every
// entry in its `Upper ping` and `Lower ping`, that equals an old entry replaced by the new one, read as a load
// reads those lines. All other bytes stay as they were: blanks, line ends, comments, other sections. A UTF-8 file
// (with a byte-order mark) gets the entries in UTF-8. `rewritten` is set to the count of entries replaced.
std::string RewriteNetworkEntries(std::string_view bytes, const std::vector<EntryRename>& renames, int& rewritten);

// The same rewrite on a unit held in memory (the unit open in the window, whose file was just rewritten): the
// upper unit, the lower units and the unit of each ping entry that equal an old entry. Returns the count replaced.
int RenameNetworkEntries(NetworkSetup& network, const std::vector<EntryRename>& renames);

}  // namespace koru
