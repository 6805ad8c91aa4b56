#pragma once

// Unsaved edits a window left in the library's "Recovery" folder when it ended without saving them or
// throwing them away: their lock is free. Each one found is held (locked) until it is restored or thrown
// away, so that two programs starting at once never offer the same edits.

#include <filesystem>
#include <optional>
#include <vector>

#include "model/FileLock.h"
#include "model/UnitConfiguration.h"
#include "model/UnitFile.h"

namespace koru {

class LeftEdits {
public:
    // The edits left in `folder`, newest first. Removes what killed windows left half-made on the way
    // (lock files without edits, unfinished writes).
    static std::vector<LeftEdits> Find(const std::filesystem::path& folder);

    const std::filesystem::path& file() const { return file_; }
    std::filesystem::file_time_type written() const { return written_; }

    // Loads the edits over `config`; on failure `config` is unchanged.
    std::optional<FileError> load(UnitConfiguration& config) const;
    // The file and its lock go.
    void discard();

private:
    LeftEdits(std::filesystem::path file, FileLock lock, std::filesystem::file_time_type written)
        : file_(std::move(file)), lock_(std::move(lock)), written_(written) {}

    std::filesystem::path file_;
    FileLock lock_;
    std::filesystem::file_time_type written_;
};

}  // namespace koru
