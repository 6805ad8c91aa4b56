#include "tests/support/NonRegularFiles.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

namespace koru::test {

void MakeFifo(const std::filesystem::path& path) {
    if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("mkfifo " + path.string());
}

SocketFile::SocketFile(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.string().size() >= sizeof address.sun_path) throw std::runtime_error("socket path too long");
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd_, 1) != 0) {
        throw std::runtime_error("socket " + path.string());
    }
}

SocketFile::~SocketFile() {
    if (fd_ >= 0) ::close(fd_);
}

FifoWatchdog::FifoWatchdog(std::filesystem::path fifo, std::chrono::milliseconds patience)
    : fifo_(std::move(fifo)) {
    watcher_ = std::thread([this, patience] {
        std::unique_lock lock(mutex_);
        if (ended_.wait_for(lock, patience, [this] { return done_; })) return;
        released_ = true;
        const int writer = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0) ::close(writer);
    });
}

FifoWatchdog::~FifoWatchdog() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    ended_.notify_all();
    watcher_.join();
}

bool FifoWatchdog::hadToRelease() const {
    std::lock_guard lock(mutex_);
    return released_;
}

}  // namespace koru::test
