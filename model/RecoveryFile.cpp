#include "model/RecoveryFile.h"

#include <unistd.h>

#include <random>

#include "model/AtomicFile.h"
#include "model/UnitFile.h"
#include "model/UnitName.h"

namespace koru {

namespace {

// What the file is, for a person who opens the folder; a load skips it.
std::string Heading(const UnitConfiguration& config) {
    return "' KORU Configurator: unsaved edits of " + UnitFileName(config.unit) +
           ", kept until they are saved or thrown away\r\n";
}

}  // namespace

// A name no other window uses: the lock file is made new, never taken over.
std::optional<std::string> RecoveryFile::claimName() {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) return "cannot create the folder: " + error.message();
    std::random_device random;
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::string token = std::to_string(::getpid()) + "-" + std::to_string(random() % 1000000);
        const std::filesystem::path lock = folder_ / (token + std::string(kRecoveryLockExtension));
        if (std::filesystem::exists(lock, error)) continue;
        lock_ = FileLock::TryLock(lock, true);
        if (!lock_) continue;
        file_ = folder_ / (token + std::string(kRecoveryExtension));
        return std::nullopt;
    }
    return "cannot make a lock file in the folder";
}

std::optional<std::string> RecoveryFile::write(const UnitConfiguration& config) {
    if (!lock_) {
        if (auto reason = claimName()) return reason;
    }
    if (auto reason = WriteFileAtomically(file_.string(), Heading(config) + UnitFileText(config))) return reason;
    written_ = true;
    return std::nullopt;
}

void RecoveryFile::remove() {
    if (!lock_) return;
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
    lock_->removeFile();
    lock_.reset();
    written_ = false;
}

}  // namespace koru
