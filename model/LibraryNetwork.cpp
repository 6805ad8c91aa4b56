#include "model/LibraryNetwork.h"

#include <sys/stat.h>
#include <utility>

#include "model/FileNames.h"
#include "model/UnitLinksReader.h"
#include "model/UnitName.h"

namespace koru {

namespace fs = std::filesystem;

namespace {

// A file the map looks at: a unit file by its extension. A name that is no text of the library's (it cannot be
// converted, or holds a control character) is looked at too when it ends with ".kuf", to say why it is left out.
bool isUnitFileName(const fs::path& name) { return HasExtension(name.string(), kUnitFileExtension); }

}  // namespace

LibraryNetwork::LibraryNetwork(fs::path unitsFolder) : folder_(std::move(unitsFolder)) {}

bool LibraryNetwork::Update() {
    bool changed = !updated_;
    updated_ = true;
    std::map<fs::path::string_type, KnownFile> seen;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::path name = it->path().filename();
        if (!isUnitFileName(name)) continue;
        struct stat status {};
        Stamp stamp;
        if (::stat(it->path().c_str(), &status) == 0) {
            stamp = {static_cast<unsigned long long>(status.st_dev), static_cast<unsigned long long>(status.st_ino),
                     static_cast<unsigned long long>(status.st_size), static_cast<long long>(status.st_mtim.tv_sec),
                     static_cast<long long>(status.st_mtim.tv_nsec)};
        }
        const auto known = files_.find(name.native());
        // A file whose status cannot be read (stamp all zero) is read again every time, to report it afresh.
        if (known != files_.end() && known->second.stamp == stamp && stamp.inode != 0) {
            seen.emplace(name.native(), std::move(known->second));
            continue;
        }
        KnownFile file{stamp, {}};
        file.scan.path = it->path();
        const std::optional<std::string> text = NameFromFileSystem(name);
        file.scan.fileName = text.value_or(name.string());
        if (text) {
            ScanUnitFile(file.scan);
        } else {
            file.scan.problem = FileError{it->path().string(), 0,
                                          "the file name is not text the library can use (not valid in the file "
                                          "system's encoding, outside Windows-1252, or holding a control character), "
                                          "so the library does not list it"};
        }
        seen.emplace(name.native(), std::move(file));
        changed = true;
    }
    changed = changed || seen.size() != files_.size();
    files_ = std::move(seen);
    if (!changed) return false;
    std::vector<UnitFileScan> scans;
    scans.reserve(files_.size());
    for (const auto& [name, file] : files_) scans.push_back(file.scan);
    map_ = NetworkMap(std::move(scans));
    return true;
}

}  // namespace koru
