#pragma once

// What the network map window asks of the main window it belongs to, so it never reaches into that window's
// controls: the open unit, opening another one, and bringing the open unit's entries in line with an alias fix.

#include <filesystem>
#include <vector>

#include "model/AliasFixes.h"
#include "model/UnitConfiguration.h"

namespace koru {

class UserDialogs;

class NetworkMapHost {
public:
    virtual ~NetworkMapHost() = default;

    // The unit open in the main window; an empty ID when none is.
    virtual UnitIdentity openUnit() const = 0;
    // Opens a unit file in the main window, after the save question of the unit open there.
    virtual void openUnitFile(const std::filesystem::path& file) = 0;
    // Gives the open unit's entries the renames of the fixes of its files (same ID), as the fix gives its file,
    // and shows them; returns the count of entries renamed.
    virtual int renameOpenUnitEntries(const std::vector<AliasFix>& fixes) = 0;
    virtual UserDialogs& dialogs() = 0;
};

}  // namespace koru
