#include "cli/SendHistoryOptions.h"

#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "model/SendHistory.h"
#include "platform/LibraryLocation.h"
#include "protocol/GroupChanges.h"

namespace koru::cli {

namespace {

// The groups whose packets differ from what the unit last acknowledged from the library, or that never
// were; their names go to standard error.
SendSelection ChangedSelection(const UnitConfiguration& config, SendHistory& history) {
    const std::optional<std::string> unitId = HistoryUnitId(config.unit.id);
    // A unit without a unit number has no history; the preflight refuses it.
    if (!unitId) return SendSelection::Of(SendGroups::All());
    const std::vector<GroupChange> changes = CompareWithState(config, history.readState(*unitId));
    for (const std::string& problem : history.takeProblems()) PrintError("korucfg send: " + problem);
    std::string names;
    for (const GroupChange& change : changes) {
        if (change.changed()) names += (names.empty() ? "" : ", ") + std::string(change.group->name);
    }
    if (!names.empty()) PrintError("korucfg send: changed groups: " + names);
    return SendSelection::Of(ChangedGroups(changes));
}

}  // namespace

SendHistoryOptions::SendHistoryOptions()
    : library("library",
              "The library whose send history logs the session (default: beside the program, or the per-user "
              "library when installed).",
              "DIR"),
      changed("changed",
              "Send exactly the groups whose packets differ from what the unit last acknowledged from the "
              "library (or that it never acknowledged); when none has, say so and send nothing. Not with "
              "--select.") {}

void SendHistoryOptions::addTo(QCommandLineParser& parser) const { parser.addOptions({library, changed}); }

std::optional<int> SendHistoryOptions::apply(const QCommandLineParser& parser, bool selectGiven,
                                             const UnitConfiguration& config, std::filesystem::path& libraryRoot,
                                             SendSelection& selection) const {
    if (parser.isSet(changed) && selectGiven) {
        PrintError("korucfg send: --changed chooses the groups itself; give it without --select");
        return kExitUsage;
    }
    libraryRoot = LocateLibrary(parser.value(library)).root();
    std::error_code noFolder;
    if (parser.isSet(library) && !std::filesystem::is_directory(libraryRoot, noFolder)) {
        PrintError("korucfg send: the library folder " + parser.value(library).toStdString() + " does not exist");
        return kExitUsage;
    }
    if (!parser.isSet(changed)) return std::nullopt;
    SendHistory history(libraryRoot);
    selection = ChangedSelection(config, history);
    if (selection.count() > 0) return std::nullopt;
    PrintError("korucfg send: no group has changed since the unit last acknowledged it; nothing was sent");
    return kExitOk;
}

}  // namespace koru::cli
