#include "model/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace koru {

namespace {

std::string systemReason() { return std::string("cannot read the file: ") + std::strerror(errno); }

// Why a file of this type is not read; nullopt for a regular file. Only a regular file holds a unit: a named
// pipe may wait for a writer for ever, a device may never end, a socket cannot be read at all.
std::optional<std::string> typeProblem(mode_t mode) {
    if (S_ISREG(mode)) return std::nullopt;
    if (S_ISDIR(mode)) {
        errno = EISDIR;
        return systemReason();
    }
    const char* kind = S_ISFIFO(mode) ? "a named pipe" : S_ISSOCK(mode) ? "a socket" : "a device";
    return std::string("cannot read the file: it is ") + kind + ", not a regular file";
}

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return systemReason();
    if (auto problem = typeProblem(status.st_mode)) return problem;
    // Should the file be swapped for a FIFO after the check, the open still does not wait.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return systemReason();
    if (::fstat(file.get(), &status) != 0) return systemReason();
    if (auto problem = typeProblem(status.st_mode)) return problem;
    if (static_cast<std::uintmax_t>(status.st_size) > limit) {
        return "the file is larger than " + std::to_string(limit / (1024 * 1024)) +
               " MiB, which no unit, default or parameter file is";
    }
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t read = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) {
            bytes.clear();
            return systemReason();
        }
        if (read == 0) break;  // the file shrank while it was read
        got += static_cast<std::size_t>(read);
    }
    bytes.resize(got);
    return std::nullopt;
}

}  // namespace koru
