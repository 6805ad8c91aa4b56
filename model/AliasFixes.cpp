#include "model/AliasFixes.h"

#include <algorithm>

#include "model/AtomicFile.h"
#include "model/FolderLock.h"
#include "model/RegularFile.h"
#include "model/UnitFile.h"

namespace koru {

std::vector<AliasFix> PlanAliasFixes(const NetworkMap& map) {
    std::vector<AliasFix> fixes;
    for (const NetworkFinding& finding : map.findings()) {
        if (finding.kind != NetworkFindingKind::OldAlias) continue;
        const MappedUnit& holder = map.units()[finding.units.front()];
        if (fixes.empty() || fixes.back().path != holder.path) {
            fixes.push_back(AliasFix{holder.fileName, holder.path, holder.links.entry(), {}});
        }
        fixes.back().renames.push_back(EntryRename{finding.oldEntry, finding.newEntry, finding.settings});
    }
    return fixes;
}

AliasFixOutcome ApplyAliasFixes(const std::filesystem::path& unitsFolder, const std::vector<AliasFix>& fixes) {
    AliasFixOutcome outcome;
    // A save of the window or of another korucfg waits until every file is rewritten, and no file is rewritten
    // half-way through theirs.
    const FolderLock lock(unitsFolder);
    for (const AliasFix& fix : fixes) {
        std::string bytes;
        std::optional<std::string> reason = ReadRegularFile(fix.path, kLargestUnitFile, bytes);
        int rewritten = 0;
        std::string changed;
        if (!reason) changed = RewriteNetworkEntries(bytes, fix.renames, rewritten);
        if (!reason && rewritten > 0) reason = WriteFileAtomically(fix.path.string(), changed);
        if (reason) {
            outcome.failures.push_back(FileError{fix.path.string(), 0, *reason}.describe());
            continue;
        }
        if (rewritten == 0) continue;
        ++outcome.filesWritten;
        outcome.entriesRewritten += rewritten;
    }
    return outcome;
}

}  // namespace koru
