#pragma once

// The send history of a library: the folder "Send history" beside "Units", with the send log
// ("send-log.csv") and one state file per unit ("ID.state"). Programs that send from the same library
// (two windows, korucfg runs, a shared folder) append and update one at a time under the folder's lock.
// A damaged, unreadable or newer file never stops a send: it is kept aside under a new name, a new one
// is begun, and the problem is told once (takeProblems).

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/SendLog.h"
#include "model/UnitSendState.h"

namespace koru {

inline constexpr std::string_view kSendHistoryFolder = "Send history";

// The ten-digit ID under which the history keeps a unit ("42" and "0000000042" are one unit); nullopt
// for an ID that is no unit number.
std::optional<std::string> HistoryUnitId(std::string_view id);

class SendHistory {
public:
    explicit SendHistory(const std::filesystem::path& libraryRoot);

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path logFile() const;
    std::filesystem::path stateFile(std::string_view unitId) const;

    // Appends one entry, whole or not at all. False when nothing could be written (the problem is told).
    bool append(const SendLogEntry& entry);

    // The log as it stands; damaged lines are skipped and told. Moves nothing.
    SendLogContents readLog();

    // The unit's state as it stands: empty when there is none, or when it cannot be read (told). Moves
    // nothing.
    UnitSendState readState(std::string_view unitId);

    // Reads the unit's state again under the lock, lets `merge` change it, and replaces the file whole.
    // False when it could not be written (told).
    bool updateState(std::string_view unitId, const std::function<void(UnitSendState&)>& merge);

    // The problems not told yet, each once for the life of this object.
    std::vector<std::string> takeProblems();

private:
    bool makeFolder();
    void tell(std::string problem);
    // Moves a file that cannot be used out of the way under a name no other file has.
    void keepAside(const std::filesystem::path& file, const std::string& why);
    void removeUnfinishedStates();

    std::filesystem::path folder_;
    std::set<std::string> told_;
    std::vector<std::string> untold_;
};

}  // namespace koru
