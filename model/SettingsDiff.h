#pragma once

// The settings in which two configurations differ, named as the unit file names them.

#include <string>
#include <vector>

#include "model/UnitConfiguration.h"

namespace koru {

struct SettingDifference {
    std::string section;     // e.g. "Radio"
    std::string subsection;  // e.g. "+Timer2", "+Online"; empty for a setting of the section itself
    std::string key;         // e.g. "Channel"
    std::string first;       // the value as the unit file writes it, in the first configuration
    std::string second;      // and in the second

    bool operator==(const SettingDifference&) const = default;
};

// Every key line whose value differs, in unit file order. Settings that no file holds (the window's own)
// are not compared.
std::vector<SettingDifference> DiffSettings(const UnitConfiguration& first, const UnitConfiguration& second);

}  // namespace koru
