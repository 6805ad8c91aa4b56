#pragma once

// Where the unit library lives. A program with "Default Files" in its own folder keeps everything beside
// itself (the portable layout, as built); an installed program keeps the units in the user's data folder
// and reads the default files installed with it, unless the user's folder has its own "Default Files".

#include <QString>

#include "model/UnitLibrary.h"

namespace koru {

// The library of one run. `libraryOption` is the folder --library named (empty when none): it is the
// root then, with its own "Default Files" when it has them, else the program's. `programFolder` holds
// the running binary; `userFolder` is the per-user library folder. Creates nothing.
UnitLibrary LocateLibrary(const QString& libraryOption, const QString& programFolder, const QString& userFolder);

// The same for the running program: its own folder and UserLibraryFolder().
UnitLibrary LocateLibrary(const QString& libraryOption);

// The per-user library folder: "KORU Configurator" in the user's data folder (on Linux
// ~/.local/share/KORU Configurator, or under $XDG_DATA_HOME).
QString UserLibraryFolder();

}  // namespace koru
