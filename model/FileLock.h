#pragma once

#include <filesystem>
#include <optional>

namespace koru {

// An exclusive lock on a lock file, held while this lives, so that running programs can tell whether the
// program that made a file is still there: the system releases the lock when a program ends, however it
// ends (kill -9 included).
class FileLock {
public:
    // Takes the lock without waiting, creating the file when `create`; nullopt when another program holds
    // it or the file cannot be opened. A lock taken on a file that was removed meanwhile does not count.
    static std::optional<FileLock> TryLock(const std::filesystem::path& file, bool create);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    const std::filesystem::path& file() const { return file_; }
    // Removes the lock file, then lets the lock go.
    void removeFile();

private:
    FileLock(std::filesystem::path file, int fd) : file_(std::move(file)), fd_(fd) {}
    void release();

    std::filesystem::path file_;
    int fd_ = -1;
};

}  // namespace koru
