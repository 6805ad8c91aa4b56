#pragma once

// One inconsistency of a library's radio network, with the units it concerns and a line for people.

#include <optional>
#include <string>
#include <vector>

#include "model/UnitFile.h"

namespace koru {

// In the order a report lists them.
enum class NetworkFindingKind {
    FileProblem,           // a file of the units folder that is no sound unit file
    LowerNamesOtherUpper,  // a unit lists a lower unit that names another upper unit, or none
    UpperMissesLower,      // a unit names an upper unit that does not list it
    UnknownEntry,          // an entry names no unit of the library
    LowerOfSeveral,        // a unit is listed as lower unit by two units (or twice by one)
    UpperLoop,             // following the upper units leads back to where it started
    DuplicateId,           // two unit files hold the same ID
    PingMismatch,          // the ping entries no longer stand beside the units they ping
    OldAlias,              // an entry carries an alias the unit no longer has (only the ID is sent)
};

enum class FindingSeverity { Problem, Warning };

struct NetworkFinding {
    NetworkFindingKind kind = NetworkFindingKind::FileProblem;
    std::vector<int> units;  // the units concerned (positions in NetworkMap::units()), as the text names them
    std::string text;        // one line for people, UTF-8
    std::optional<FileError> file;  // FileProblem: where and why

    // OldAlias: the unit that holds the entry is units[0], the unit it names units[1].
    std::string oldEntry;
    std::string newEntry;
    std::vector<std::string> settings;  // the keys that hold the old entry ("Lower units", "Lower ping")

    FindingSeverity severity() const {
        return kind == NetworkFindingKind::OldAlias ? FindingSeverity::Warning : FindingSeverity::Problem;
    }
};

}  // namespace koru
