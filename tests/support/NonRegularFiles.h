#pragma once

// Files that are not regular files, for tests of the loads: a named pipe nobody writes to and a
// listening Unix socket. A load that waits on the pipe is let go by a watchdog, so a test that meets
// such a load fails instead of hanging.

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace koru::test {

// A named pipe at `path`, with no writer.
void MakeFifo(const std::filesystem::path& path);

// A Unix socket bound at `path` and listening while this lives.
class SocketFile {
public:
    explicit SocketFile(const std::filesystem::path& path);
    ~SocketFile();
    SocketFile(const SocketFile&) = delete;
    SocketFile& operator=(const SocketFile&) = delete;

private:
    int fd_ = -1;
};

// While it lives, watches the named pipe at `fifo`: when the watch has not ended after `patience`, a writer
// opens the pipe and closes it at once, so a reader blocked in its open goes on (and reads an empty file).
class FifoWatchdog {
public:
    explicit FifoWatchdog(std::filesystem::path fifo, std::chrono::milliseconds patience = std::chrono::seconds(3));
    ~FifoWatchdog();
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    // Whether a reader had to be let go.
    bool hadToRelease() const;

private:
    std::filesystem::path fifo_;
    mutable std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    bool released_ = false;
    std::thread watcher_;
};

}  // namespace koru::test
