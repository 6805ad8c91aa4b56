#include "model/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
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

}  // namespace koru
