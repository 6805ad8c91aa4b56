#include "model/SendHistory.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "model/AtomicFile.h"
#include "model/RegularFile.h"
#include "model/FileNames.h"
#include "model/FolderLock.h"
#include "model/TimeStamp.h"
#include "model/UnitName.h"

namespace koru {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLogName = "send-log.csv";
constexpr std::string_view kStateExtension = ".state";
// No history file comes near this; a larger one is no file of ours.
constexpr std::size_t kLargestHistoryFile = 256 * 1024 * 1024;

std::string Quoted(const fs::path& path) { return "\"" + PathForMessage(path) + "\""; }

std::string SystemReason() { return std::strerror(errno); }

// Whether the log that `fd` holds can take another line: it starts with the header of this version.
// Sets `why` when it cannot, and `endsLine` to whether its last byte ends a line.
bool LogAcceptsLines(int fd, off_t size, std::string& why, bool& endsLine) {
    std::array<char, 256> head{};
    const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
    if (got < 0) {
        why = SystemReason();
        return false;
    }
    const SendLogContents first = ReadSendLog(std::string_view(head.data(), static_cast<std::size_t>(got))
                                                  .substr(0, kSendLogHeader.size() + 2));
    if (first.problem) {
        why = *first.problem;
        return false;
    }
    char last = 0;
    if (::pread(fd, &last, 1, size - 1) != 1) {
        why = SystemReason();
        return false;
    }
    endsLine = last == '\n';
    return true;
}

bool WriteWhole(int fd, const std::string& bytes) {
    ssize_t written = -1;
    do {
        written = ::write(fd, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(bytes.size());
}

}  // namespace

std::optional<std::string> HistoryUnitId(std::string_view id) {
    if (UnitIdProblem(id)) return std::nullopt;
    return PadUnitId(id);
}

SendHistory::SendHistory(const fs::path& libraryRoot) : folder_(libraryRoot / std::string(kSendHistoryFolder)) {}

fs::path SendHistory::logFile() const { return folder_ / std::string(kLogName); }

fs::path SendHistory::stateFile(std::string_view unitId) const {
    return folder_ / (std::string(unitId) + std::string(kStateExtension));
}

void SendHistory::tell(std::string problem) {
    if (told_.insert(problem).second) untold_.push_back(std::move(problem));
}

std::vector<std::string> SendHistory::takeProblems() { return std::exchange(untold_, {}); }

bool SendHistory::makeFolder() {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (!error && fs::is_directory(folder_, error)) return true;
    tell("The send history cannot be kept in " + Quoted(folder_) + ": " +
         (error ? error.message() : std::string("it is not a folder")) + ".");
    return false;
}

void SendHistory::keepAside(const fs::path& file, const std::string& why) {
    const std::string stamp = FileNameTime(std::time(nullptr));
    fs::path aside;
    std::error_code error;
    for (int n = 1;; ++n) {
        aside = file.parent_path() / (file.stem().string() + ".damaged-" + stamp + (n > 1 ? "-" + std::to_string(n) : "") +
                                      file.extension().string());
        if (!fs::exists(aside, error)) break;
    }
    fs::rename(file, aside, error);
    if (error) {
        tell("The file " + Quoted(file) + " cannot be used (" + why + ") and cannot be moved aside: " +
             error.message() + ".");
        return;
    }
    tell("The file " + Quoted(file) + " could not be used (" + why + "); it is kept as " + Quoted(aside) +
         " and a new one is begun.");
}

bool SendHistory::append(const SendLogEntry& entry) {
    if (!makeFolder()) return false;
    const FolderLock lock(folder_);
    const fs::path path = logFile();
    std::string why;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        std::error_code error;
        if (fd < 0) {
            why = SystemReason();
            if (!fs::exists(path, error)) break;
            keepAside(path, why);
            continue;
        }
        struct stat status {};
        why.clear();
        bool endsLine = true;
        const bool usable = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                            (status.st_size == 0 || LogAcceptsLines(fd, status.st_size, why, endsLine));
        if (!usable) {
            ::close(fd);
            keepAside(path, why.empty() ? "it is no file" : why);
            continue;
        }
        // One write carries the whole line (and the header of a new log, or the line end a cut-off line
        // lacks); a write that fell short is taken back, so the line is there whole or not at all.
        std::string bytes = status.st_size == 0 ? std::string(kSendLogHeader) + "\r\n" : std::string();
        if (!endsLine) bytes += "\r\n";
        bytes += SendLogLine(entry) + "\r\n";
        const bool written = WriteWhole(fd, bytes) && ::fsync(fd) == 0;
        if (!written) {
            why = SystemReason();
            if (::ftruncate(fd, status.st_size) != 0) why += "; the line may stand there cut short";
        }
        ::close(fd);
        if (written) return true;
        break;
    }
    tell("The session could not be added to the send log " + Quoted(path) + (why.empty() ? "" : ": " + why) + ".");
    return false;
}

SendLogContents SendHistory::readLog() {
    const fs::path path = logFile();
    std::error_code error;
    if (!fs::exists(path, error)) return {};
    std::string bytes;
    if (auto problem = ReadRegularFile(path, kLargestHistoryFile, bytes)) {
        tell("The send log " + Quoted(path) + " cannot be read: " + *problem + ".");
        return {};
    }
    SendLogContents contents = ReadSendLog(bytes);
    if (contents.problem) {
        tell("The send log " + Quoted(path) + " cannot be read: " + *contents.problem + ".");
    } else if (!contents.damagedLines.empty()) {
        std::string lines;
        for (const std::size_t line : contents.damagedLines) {
            lines += (lines.empty() ? "" : ", ") + std::to_string(line);
        }
        tell("The send log " + Quoted(path) + " has damaged lines, which are skipped: " + lines + ".");
    }
    return contents;
}

namespace {

// The state in `bytes`, or why it cannot be used for `unitId`.
UnitSendStateRead StateOf(std::string_view bytes, std::string_view unitId) {
    UnitSendStateRead read = ParseUnitSendState(bytes);
    if (read.state && read.state->unitId != unitId) {
        return {std::nullopt, "it holds the state of unit \"" + read.state->unitId + "\""};
    }
    return read;
}

UnitSendState EmptyState(std::string_view unitId) {
    UnitSendState state;
    state.unitId = std::string(unitId);
    return state;
}

}  // namespace

UnitSendState SendHistory::readState(std::string_view unitId) {
    const fs::path path = stateFile(unitId);
    std::error_code error;
    if (!fs::exists(path, error)) return EmptyState(unitId);
    std::string bytes;
    std::optional<std::string> problem = ReadRegularFile(path, kLargestHistoryFile, bytes);
    if (!problem) {
        UnitSendStateRead read = StateOf(bytes, unitId);
        if (read.state) return std::move(*read.state);
        problem = read.problem;
    }
    tell("The send state " + Quoted(path) + " cannot be read (" + *problem +
         "), so every group counts as never acknowledged.");
    return EmptyState(unitId);
}

bool SendHistory::updateState(std::string_view unitId, const std::function<void(UnitSendState&)>& merge) {
    if (!makeFolder()) return false;
    const FolderLock lock(folder_);
    removeUnfinishedStates();
    const fs::path path = stateFile(unitId);
    UnitSendState state = EmptyState(unitId);
    std::error_code error;
    if (fs::exists(path, error)) {
        std::string bytes;
        std::optional<std::string> problem = ReadRegularFile(path, kLargestHistoryFile, bytes);
        if (!problem) {
            UnitSendStateRead read = StateOf(bytes, unitId);
            if (read.state) state = std::move(*read.state);
            else problem = read.problem;
        }
        if (problem) {
            keepAside(path, *problem);
            if (fs::exists(path, error)) return false;  // still in the way: it is never overwritten
        }
    }
    merge(state);
    if (auto problem = WriteFileAtomically(path.string(), UnitSendStateText(state))) {
        tell("The send state " + Quoted(path) + " cannot be written: " + *problem + ".");
        return false;
    }
    return true;
}

// Under the lock no update is half-way, so a temporary file found is one a killed update left.
void SendHistory::removeUnfinishedStates() {
    std::error_code error;
    for (fs::directory_iterator it(folder_, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (IsUnfinishedSave(it->path().filename().string(), kStateExtension) && it->is_regular_file(ignored)) {
            fs::remove(it->path(), ignored);
        }
    }
}

}  // namespace koru
