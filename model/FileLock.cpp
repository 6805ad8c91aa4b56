#include "model/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace koru {

std::optional<FileLock> FileLock::TryLock(const std::filesystem::path& file, bool create) {
    const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0644);
    if (fd < 0) return std::nullopt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    // The program that held it may have removed the file just before it let go: then this lock guards
    // nothing anyone else can find.
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) != 0 || ::stat(file.c_str(), &named) != 0 || held.st_ino != named.st_ino ||
        held.st_dev != named.st_dev) {
        ::close(fd);
        return std::nullopt;
    }
    return FileLock(file, fd);
}

FileLock::FileLock(FileLock&& other) noexcept
    : file_(std::move(other.file_)), fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        file_ = std::move(other.file_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileLock::~FileLock() { release(); }

void FileLock::removeFile() {
    if (fd_ < 0) return;
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
    release();
}

void FileLock::release() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));  // closing lets the lock go
}

}  // namespace koru
