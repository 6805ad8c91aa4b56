#pragma once

// Renamed units: rewriting the entries that still carry a unit's old alias in the files of the units that hold
// them. Only the ID of an entry reaches the unit, so this is tidying, done only when the user asks for it.

#include <filesystem>
#include <string>
#include <vector>

#include "model/EntryRewrite.h"
#include "model/NetworkMap.h"

namespace koru {

// The old entries one unit file holds, and what they become.
struct AliasFix {
    std::string fileName;  // in the units folder, Windows-1252
    std::filesystem::path path;
    std::string unitEntry;  // the unit that holds the entries
    std::vector<EntryRename> renames;
};

// The map's old-alias warnings, grouped by the unit that holds the entries, in file order.
std::vector<AliasFix> PlanAliasFixes(const NetworkMap& map);

struct AliasFixOutcome {
    int filesWritten = 0;
    int entriesRewritten = 0;
    std::vector<std::string> failures;  // "FILE:0: reason", UTF-8
};

// Rewrites the planned files while holding the units folder's lock: each is read afresh, its old entries are
// rewritten (RewriteNetworkEntries) and it is written atomically; a file that no longer holds any is left as it
// is. A failure leaves that file unchanged and goes on with the others.
AliasFixOutcome ApplyAliasFixes(const std::filesystem::path& unitsFolder, const std::vector<AliasFix>& fixes);

}  // namespace koru
