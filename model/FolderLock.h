#pragma once

#include <filesystem>

namespace koru {

// Holds an exclusive lock on a folder while it lives, so saves from several programs (two windows, a
// script of korucfg runs) write and tidy the units folder one after the other and never delete each
// other's files. Waits for the lock; where the file system has no locks, goes on without one.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace koru
