#include "model/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace koru {

namespace {

// A temporary file is hidden and tells its target and purpose: ".NAME.tmp" and six random digits.
constexpr std::string_view kTemporaryMark = ".tmp";
constexpr std::size_t kTemporaryDigits = 6;

std::string systemReason(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Only a regular file holds a unit: a named pipe may wait for a writer for ever, a device may never end,
// a socket cannot be read at all.
std::optional<std::string> notRegular(const struct stat& status) {
    if (S_ISREG(status.st_mode)) return std::nullopt;
    if (S_ISDIR(status.st_mode)) {
        errno = EISDIR;
        return systemReason("cannot read the file");
    }
    const char* kind = S_ISFIFO(status.st_mode)                             ? "a named pipe"
                       : S_ISSOCK(status.st_mode)                           ? "a socket"
                       : S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) ? "a device"
                                                                            : "no file";
    return std::string("cannot read the file: it is ") + kind + ", not a regular file";
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    // Another save may be writing beside this one: a name already taken is drawn again.
    std::random_device random;
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 10 && fd < 0; ++attempt) {
        std::string digits = std::to_string(random() % 1000000);
        digits.insert(0, kTemporaryDigits - digits.size(), '0');
        temporary = target.parent_path() / ("." + target.filename().string() + std::string(kTemporaryMark) + digits);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return systemReason("cannot create the file");
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        std::string reason = systemReason("cannot write the file");
        ::close(fd);
        ::unlink(temporary.c_str());
        return reason;
    }
    if (::close(fd) != 0) {
        std::string reason = systemReason("cannot write the file");
        ::unlink(temporary.c_str());
        return reason;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::string reason = systemReason("cannot replace the file");
        ::unlink(temporary.c_str());
        return reason;
    }
    return std::nullopt;
}

bool IsUnfinishedSave(std::string_view name, std::string_view fileExtension) {
    if (!name.starts_with('.') || name.size() < kTemporaryDigits) return false;
    const std::string_view digits = name.substr(name.size() - kTemporaryDigits);
    if (digits.find_first_not_of("0123456789") != std::string_view::npos) return false;
    name.remove_suffix(kTemporaryDigits);
    return name.ends_with(std::string(fileExtension) + std::string(kTemporaryMark)) &&
           name.size() > 1 + fileExtension.size() + kTemporaryMark.size();
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return systemReason("cannot read the file");
    if (auto reason = notRegular(status)) return reason;
    // Opened without waiting: a named pipe put in place since the look above must not block the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return systemReason("cannot read the file");
    if (::fstat(fd, &status) != 0) {
        std::string reason = systemReason("cannot read the file");
        ::close(fd);
        return reason;
    }
    if (auto reason = notRegular(status)) {
        ::close(fd);
        return reason;
    }
    const std::string tooLarge = "the file is larger than " + std::to_string(limit / (1024 * 1024)) +
                                 " MiB, which no unit, default or parameter file is";
    if (static_cast<std::uintmax_t>(status.st_size) > limit) {
        ::close(fd);
        return tooLarge;
    }
    // A file that grows while it is read stops at one byte beyond the limit.
    char buffer[65536];
    for (;;) {
        const std::size_t wanted = std::min(sizeof buffer, limit + 1 - bytes.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0) {
            if (errno == EINTR) continue;
            std::string reason = systemReason("cannot read the file");
            ::close(fd);
            bytes.clear();
            return reason;
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > limit) {
            ::close(fd);
            bytes.clear();
            return tooLarge;
        }
    }
    ::close(fd);
    return std::nullopt;
}

}  // namespace koru
