#include "protocol/link/UnitSimulator.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace koru {

namespace {

constexpr std::string_view kHandshake = "ORVEN_AB_KORU_SETUP;";
constexpr const char* kErrorReply = "E12;\r\n";

std::string acknowledgement(int mCount, int cCount) {
    return "M" + std::to_string(mCount) + ";C" + std::to_string(cCount) + ";\r\n";
}

}  // namespace

UnitSimulator::UnitSimulator(SimulatorOptions options) : options_(std::move(options)) {}

UnitSimulator::~UnitSimulator() {
    notifier_.reset();
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
}

bool UnitSimulator::open(std::string& error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ::ptsname(master_);
    if (name == nullptr) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    devicePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        error = std::string("cannot open ") + name + ": " + std::strerror(errno);
        return false;
    }
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);

    if (!options_.transcriptPath.empty()) {
        transcript_.open(options_.transcriptPath, std::ios::binary | std::ios::trunc);
        if (!transcript_) {
            error = "cannot write " + options_.transcriptPath;
            return false;
        }
    }
    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { onReadable(); });
    return true;
}

void UnitSimulator::hangUp() {
    if (master_ < 0) return;
    notifier_.reset();
    ::close(master_);
    master_ = -1;
    if (slave_ >= 0) ::close(slave_);
    slave_ = -1;
    emit hungUp();
}

void UnitSimulator::onReadable() {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(master_, buffer, sizeof buffer);
        if (got <= 0) break;
        const std::string bytes(buffer, static_cast<std::size_t>(got));
        received_ += bytes;
        if (transcript_.is_open()) transcript_.write(bytes.data(), got).flush();
        pending_ += bytes;
        for (auto end = pending_.find("\r\n"); end != std::string::npos && master_ >= 0; end = pending_.find("\r\n")) {
            const std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 2);
            onLine(line);
        }
        if (master_ < 0) return;
    }
}

int UnitSimulator::CountRecords(const std::string& packet) {
    int records = 0;
    for (std::size_t i = 0; i < packet.size(); ++i) {
        if (packet[i] != ';') continue;
        std::size_t next = i + 1;
        while (next < packet.size() && std::isdigit(static_cast<unsigned char>(packet[next]))) ++next;
        if (i + 1 == packet.size() || (next > i + 1 && next < packet.size() && packet[next] == ':')) ++records;
    }
    return records;
}

void UnitSimulator::onLine(const std::string& line) {
    if (!line.starts_with(kHandshake)) return;  // not for a unit: ignored
    const auto unitEnd = line.find(';', kHandshake.size());
    if (unitEnd == std::string::npos) return;
    const std::string body = line.substr(unitEnd + 1);

    if (body.starts_with("START;")) {
        emit startReceived();
        if (options_.answerStartEnd) answer(acknowledgement(1, 1));
        return;
    }
    if (body == "END;" || body == "ABORT;") {
        if (options_.answerStartEnd && body == "END;") answer(acknowledgement(1, 1));
        emit sessionEnded();
        return;
    }
    const int number = ++packets_;
    emit packetReceived(number);
    if (number == options_.hangUpAt) {
        hangUp();
        return;
    }
    if (options_.silentFrom > 0 && number >= options_.silentFrom) return;
    const int records = CountRecords(body);
    if (number == options_.errorAt) {
        answer(kErrorReply);
    } else if (number == options_.mismatchAt) {
        answer(acknowledgement(records, records + 1));
    } else {
        answer(acknowledgement(records, records));
    }
}

void UnitSimulator::answer(const std::string& reply) {
    auto send = [this, reply] {
        if (!options_.splitReplies) {
            writeBytes(reply);
            return;
        }
        const auto cut = reply.find_first_of("CE", 1);
        const std::string first = reply.substr(0, cut);
        const std::string rest = cut == std::string::npos ? std::string() : reply.substr(cut);
        writeBytes(first);
        if (!rest.empty()) QTimer::singleShot(options_.splitGap, this, [this, rest] { writeBytes(rest); });
    };
    if (options_.delay.count() > 0) {
        QTimer::singleShot(options_.delay, this, send);
    } else {
        send();
    }
}

void UnitSimulator::writeBytes(const std::string& bytes) {
    if (master_ < 0) return;
    const ssize_t written = ::write(master_, bytes.data(), bytes.size());
    (void)written;  // a pseudo-terminal takes a short reply whole; a closed reader is the sender's problem
}

}  // namespace koru
