#include "model/LeftEdits.h"

#include <algorithm>
#include <string>

#include "model/AtomicFile.h"
#include "model/RecoveryFile.h"

namespace koru {

namespace fs = std::filesystem;

namespace {

fs::path LockOf(const fs::path& folder, const std::string& token) {
    return folder / (token + std::string(kRecoveryLockExtension));
}

// The token of an unfinished write ".TOKEN.kur.tmpNNNNNN"; empty for any other name.
std::string UnfinishedToken(const std::string& name) {
    if (!IsUnfinishedSave(name, kRecoveryExtension)) return {};
    return name.substr(1, name.rfind(std::string(kRecoveryExtension) + ".tmp") - 1);
}

}  // namespace

std::vector<LeftEdits> LeftEdits::Find(const fs::path& folder) {
    std::vector<LeftEdits> found;
    std::error_code error;
    std::vector<fs::path> names;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored)) names.push_back(it->path());
    }
    for (const fs::path& path : names) {
        const std::string name = path.filename().string();
        std::error_code ignored;
        if (path.extension() == kRecoveryExtension) {
            std::optional<FileLock> lock = FileLock::TryLock(LockOf(folder, path.stem().string()), true);
            if (!lock || !fs::is_regular_file(path, ignored)) continue;  // its window still runs, or it just went
            found.push_back(LeftEdits(path, std::move(*lock), fs::last_write_time(path, ignored)));
        } else if (path.extension() == kRecoveryLockExtension) {
            if (fs::exists(folder / (path.stem().string() + std::string(kRecoveryExtension)), ignored)) continue;
            if (std::optional<FileLock> lock = FileLock::TryLock(path, false)) lock->removeFile();
        } else if (const std::string token = UnfinishedToken(name); !token.empty()) {
            if (FileLock::TryLock(LockOf(folder, token), false) || !fs::exists(LockOf(folder, token), ignored)) {
                fs::remove(path, ignored);
            }
        }
    }
    std::sort(found.begin(), found.end(),
              [](const LeftEdits& a, const LeftEdits& b) { return a.written_ > b.written_; });
    return found;
}

std::optional<FileError> LeftEdits::load(UnitConfiguration& config) const {
    return LoadUnitFile(file_.string(), config);
}

void LeftEdits::discard() {
    std::error_code ignored;
    fs::remove(file_, ignored);
    lock_.removeFile();
}

}  // namespace koru
