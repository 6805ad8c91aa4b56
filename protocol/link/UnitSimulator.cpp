#include "protocol/link/UnitSimulator.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace koru {

UnitSimulator::UnitSimulator(SimulatorOptions options) : options_(options), unit_(std::move(options)) {}

UnitSimulator::~UnitSimulator() {
    stopUnsolicited();
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
    stopUnsolicited();
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

void UnitSimulator::onLine(const std::string& line) {
    const SimulatedUnit::Answer answer = unit_.onLine(line);
    switch (answer.line) {
        case SimulatedUnit::Answer::Line::Ignored:
            return;
        case SimulatedUnit::Answer::Line::Start:
            startUnsolicited();
            emit startReceived();
            break;
        case SimulatedUnit::Answer::Line::Packet:
            emit packetReceived(answer.packet);
            break;
        case SimulatedUnit::Answer::Line::End:
            break;
    }
    if (answer.hangUp) {
        hangUp();
        return;
    }
    if (!answer.reply.empty()) this->answer(answer.reply);
    if (answer.line == SimulatedUnit::Answer::Line::End) {
        stopUnsolicited();
        emit sessionEnded();
    }
}

void UnitSimulator::startUnsolicited() {
    if (options_.repeatError.count() > 0 && !repeatTimer_) {
        repeatTimer_ = std::make_unique<QTimer>();
        connect(repeatTimer_.get(), &QTimer::timeout, this, [this] { writeBytes("E12;\r\n"); });
        repeatTimer_->start(options_.repeatError);
    }
    if (options_.flood && !flood_ && master_ >= 0) {
        flood_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Write);
        std::string lines;
        while (lines.size() < 4096) lines += "OK;\r\n";
        connect(flood_.get(), &QSocketNotifier::activated, this, [this, lines] { writeBytes(lines); });
    }
}

void UnitSimulator::stopUnsolicited() {
    repeatTimer_.reset();
    flood_.reset();
}

void UnitSimulator::answer(const std::string& reply) {
    auto send = [this, reply] {
        if (options_.lateBytes > 0 && reply.size() > static_cast<std::size_t>(options_.lateBytes)) {
            const std::size_t cut = reply.size() - static_cast<std::size_t>(options_.lateBytes);
            writeBytes(reply.substr(0, cut));
            QTimer::singleShot(options_.lateGap, this, [this, rest = reply.substr(cut)] { writeBytes(rest); });
            return;
        }
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
    (void)written;  // a pseudo-terminal takes a short reply whole; a flood loses what it cannot take
}

}  // namespace koru
