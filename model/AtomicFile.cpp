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
    std::random_device random;
    const std::filesystem::path temporary =
        target.parent_path() / ("." + target.filename().string() + ".tmp" + std::to_string(random() % 1000000));

    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
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

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

}  // namespace koru
