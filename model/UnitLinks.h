#pragma once

// What one file of the units folder tells about the radio network: the unit it holds (ID, alias, type) and
// that unit's links (upper unit, lower units, ping entries), or why it cannot be read as a unit.

#include <filesystem>
#include <optional>
#include <string>

#include "model/UnitConfiguration.h"
#include "model/UnitFile.h"

namespace koru {

struct UnitLinks {
    UnitIdentity unit;     // as the unit's file holds it
    NetworkSetup network;  // the Network section as a load reads it
    int idLine = 0;        // the line that set the ID, for messages

    // ID "(" alias ")": how the lists of other units name this unit.
    std::string entry() const { return unit.id + "(" + unit.alias + ")"; }
};

struct UnitFileScan {
    std::string fileName;          // the name in the units folder, Windows-1252 (raw bytes when it has none)
    std::filesystem::path path;
    std::optional<UnitLinks> unit;  // the unit, when the file holds one the map can place
    std::optional<FileError> problem;  // why the file is not a sound unit file (it may still hold a unit)
};

}  // namespace koru
