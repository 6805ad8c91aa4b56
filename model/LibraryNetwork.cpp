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

LibraryNetwork::Stamp stampOf(const fs::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return {};
    return {static_cast<unsigned long long>(status.st_dev), static_cast<unsigned long long>(status.st_ino),
            static_cast<unsigned long long>(status.st_size), static_cast<long long>(status.st_mtim.tv_sec),
            static_cast<long long>(status.st_mtim.tv_nsec)};
}

// Reads one file of the folder; a name that is no text of the library's is only reported.
void scan(const fs::path& path, UnitFileScan& scan) {
    scan.path = path;
    const std::optional<std::string> name = NameFromFileSystem(path.filename());
    scan.fileName = name.value_or(path.filename().string());
    if (name) {
        ScanUnitFile(scan);
        return;
    }
    scan.unit.reset();
    scan.problem = FileError{path.string(), 0,
                             "the file name is not text the library can use (not valid in the file system's encoding, "
                             "outside Windows-1252, or holding a control character), so the library does not list it"};
}

}  // namespace

LibraryNetwork::LibraryNetwork(fs::path unitsFolder) : folder_(std::move(unitsFolder)) {}

bool LibraryNetwork::Update() {
    bool changed = generation_ == 0;
    ++generation_;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::path name = it->path().filename();
        if (!isUnitFileName(name)) continue;
        const Stamp stamp = stampOf(it->path());
        auto [known, added] = files_.try_emplace(name.native());
        KnownFile& file = known->second;
        file.generation = generation_;
        // A file whose status cannot be read (no inode) is read again every time, to report it afresh.
        if (!added && file.stamp == stamp && stamp.inode != 0) continue;
        file.stamp = stamp;
        scan(it->path(), file.scan);
        changed = true;
    }
    changed = std::erase_if(files_, [this](const auto& known) { return known.second.generation != generation_; }) > 0 ||
              changed;
    if (!changed) return false;
    std::vector<UnitFileScan> scans;
    scans.reserve(files_.size());
    for (const auto& [name, file] : files_) scans.push_back(file.scan);
    map_ = NetworkMap(std::move(scans));
    return true;
}

}  // namespace koru
