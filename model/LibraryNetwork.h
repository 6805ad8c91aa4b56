#pragma once

// Keeps the network map of one units folder up to date cheaply: the first Update reads every unit file, each
// later one only the files that are new or changed since (a save replaces the file, so it is a new file), drops
// the ones removed, and rebuilds the map from what it holds.

#include <filesystem>
#include <map>
#include <string>

#include "model/NetworkMap.h"
#include "model/UnitLinks.h"

namespace koru {

class LibraryNetwork {
public:
    explicit LibraryNetwork(std::filesystem::path unitsFolder);

    // Looks at the folder again; true when anything changed (always the first time). A folder that is missing
    // or cannot be read holds no units.
    bool Update();

    const NetworkMap& map() const { return map_; }
    const std::filesystem::path& unitsFolder() const { return folder_; }

    // What tells that a file changed without reading it.
    struct Stamp {
        unsigned long long device = 0, inode = 0, size = 0;
        long long modifiedSeconds = 0, modifiedNanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };

private:
    struct KnownFile {
        Stamp stamp;
        UnitFileScan scan;
        unsigned generation = 0;  // the last Update that saw the file
    };

    std::filesystem::path folder_;
    std::map<std::filesystem::path::string_type, KnownFile> files_;  // by the name on disk
    NetworkMap map_;
    unsigned generation_ = 0;
};

}  // namespace koru
