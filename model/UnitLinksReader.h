#pragma once

// Reads the Unit and Network sections of unit files, and nothing more, so a library of thousands of units is
// mapped quickly. Every other line is looked at only to find where a section begins.

#include <filesystem>
#include <string>
#include <string_view>

#include "model/UnitLinks.h"

namespace koru {

// The unit and links in the bytes of one unit file. `scan.fileName` and `scan.path` are kept; `problem` is set
// for a file that is no unit file (the reason a load gives, at its line), one without a 10-digit unit ID, and
// one whose name is not "ID(alias).kuf" of the unit inside (the unit is still placed).
void ReadUnitLinks(std::string_view bytes, UnitFileScan& scan);

// Reads the file at `scan.path` (a regular file only, never opened otherwise) and then as ReadUnitLinks.
void ScanUnitFile(UnitFileScan& scan);

}  // namespace koru
