#pragma once

// A window's unsaved edits, kept in the library's "Recovery" folder while the user works: one file per
// running window ("TOKEN.kur", the unit file's syntax after a comment naming the unit), written atomically,
// guarded by a lock file ("TOKEN.lock") the window holds while it runs. Another window's save never touches
// it; once the window has gone without saving or throwing its edits away (a signal, a crash, kill -9), the
// next start finds it as LeftEdits. Older copies of the program never look into the folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/FileLock.h"
#include "model/UnitConfiguration.h"

namespace koru {

inline constexpr std::string_view kRecoveryExtension = ".kur";
inline constexpr std::string_view kRecoveryLockExtension = ".lock";

class RecoveryFile {
public:
    explicit RecoveryFile(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Writes the edits (creating the folder and taking the lock first); the reason when that fails.
    std::optional<std::string> write(const UnitConfiguration& config);
    // The edits are saved or thrown away: the file and its lock go.
    void remove();
    bool written() const { return written_; }
    // The file; empty before the first write.
    const std::filesystem::path& path() const { return file_; }

private:
    std::optional<std::string> claimName();

    std::filesystem::path folder_;
    std::filesystem::path file_;
    std::optional<FileLock> lock_;
    bool written_ = false;
};

}  // namespace koru
