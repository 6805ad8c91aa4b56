#pragma once

// What this library knows to be on one unit: for each parameter record, the packets the last session
// that got all of them acknowledged sent, when, and the unit file as it stood then. A record also carries
// a mark while a later session may have written part of it without getting it acknowledged (such a
// session was cut off, failed or is still running): the unit then holds something nobody confirmed.
// Kept as a text file (Windows-1252, CR LF) that is replaced whole, never edited in place.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace koru {

struct RecordState {
    bool acknowledged = false;
    std::string acknowledgedAt;        // ISO 8601 with the zone
    int unitFile = 0;                  // the key of the unit file copy in UnitSendState::unitFiles
    std::vector<std::string> packets;  // as handed to the unit, without the session header; may be none
    std::string unconfirmed;           // the mark of a session that wrote to it unconfirmed; empty if none

    bool operator==(const RecordState&) const = default;
};

struct UnitFileCopy {
    std::string time;  // of the session that sent it
    std::string text;  // the whole unit file, CR LF line ends

    bool operator==(const UnitFileCopy&) const = default;
};

struct UnitSendState {
    std::string unitId;
    std::map<int, RecordState> records;     // by record number
    std::map<int, UnitFileCopy> unitFiles;  // referenced by the records

    // The copy of the unit file the records acknowledged last refer to; null when nothing was acknowledged.
    const UnitFileCopy* newestUnitFile() const;
    // Keeps `text` (sent at `time`) once and returns its key; an equal copy is shared.
    int keepUnitFile(const std::string& time, const std::string& text);
    // Drops the copies no record refers to any more.
    void dropUnusedUnitFiles();

    bool operator==(const UnitSendState&) const = default;
};

std::string UnitSendStateText(const UnitSendState& state);

struct UnitSendStateRead {
    std::optional<UnitSendState> state;
    std::string problem;  // why the text is no state of this version: "line 7: ...", "... newer version ..."
};

UnitSendStateRead ParseUnitSendState(std::string_view text);

}  // namespace koru
