#include "protocol/link/PacketSender.h"

#include <utility>

#include "protocol/PacketRules.h"
#include "protocol/SendLimits.h"
#include "protocol/link/LinkTimings.h"

namespace koru {

namespace {

constexpr auto kOk = SessionState::State::Ok;

}  // namespace

PacketSender::PacketSender(SerialLink& link, SessionState& session, MessageBoxes& boxes, Clock& clock)
    : link_(link),
      session_(session),
      boxes_(boxes),
      deadline_(clock.createTimer()),
      recheck_(clock.createTimer()),
      pause_(clock.createTimer()) {
    deadline_->setSingleShot(true);
    recheck_->setSingleShot(true);
    pause_->setSingleShot(true);
    deadline_->onTimeout = [this] {
        if (phase_ == Phase::WaitingForOk) writePacket();  // no acknowledgement: the packet goes out anyway
    };
    recheck_->onTimeout = [this] {
        if (phase_ != Phase::WaitingForOk) return;
        if (std::exchange(portGone_, false)) {
            finish(false);
        } else if (session_.state() == kOk) {
            writePacket();
        }
    };
    pause_->onTimeout = [this] {
        link_.releaseEvents();
        finish(result_);
    };
    connect(&link_, &SerialLink::sessionStateChanged, this, &PacketSender::onStateChanged);
    // A device that went away will not acknowledge anything: the waiting hand-over ends at once, right after
    // everyone else has heard of the loss (the session must know before it goes on).
    connect(&link_, &SerialLink::portLost, this, [this] {
        if (phase_ != Phase::WaitingForOk) return;
        portGone_ = true;
        deadline_->stop();
        recheck_->start(std::chrono::milliseconds(0));
    });
}

PacketSender::~PacketSender() = default;

void PacketSender::onStateChanged() {
    // The state may pass through "OK" in the middle of reply handling; look once that is over.
    if (phase_ == Phase::WaitingForOk && !recheck_->isActive()) recheck_->start(std::chrono::milliseconds(0));
}

void PacketSender::send(const std::string& packet, Mode mode, Done done) {
    if (phase_ != Phase::Idle) {  // one hand-over at a time; the session never overlaps them
        done(false);
        return;
    }
    link_.setSendTimerEnabled(true);
    if (packet.empty()) {
        done(true);
        return;
    }
    if (session_.errorScore() > score::kGiveUpAbove) {
        giveUp();
        done(false);
        return;
    }
    if (!link_.connected()) link_.connectPort();

    done_ = std::move(done);
    packet_ = packet;
    result_ = true;
    portGone_ = false;
    if (mode == Mode::Override) {
        writeLine(packet_, packet_.size());
        result_ = true;
        settle();
        return;
    }
    if (ExceedsLengthLimit(packet_, session_.header().size())) {
        result_ = false;
        boxes_.show(kPacketTooLongText, kPacketTooLongTitle, MessageIcon::Critical);
        link_.setSendTimerEnabled(false);
    }
    phase_ = Phase::WaitingForOk;
    if (session_.state() == kOk) {
        writePacket();
        return;
    }
    deadline_->start(timing::kAcknowledgementWait);
}

void PacketSender::writePacket() {
    deadline_->stop();
    recheck_->stop();
    session_.state_event(SessionState::Event::StartPacket);
    if (writeLine(PacketLine(session_.header(), packet_), packet_.size())) emit packetWritten();
    if (packet_.find(kEndPacket) != std::string::npos) {
        link_.stopBlinkTimer();
        link_.setSendTimerEnabled(false);
    }
    settle();
}

bool PacketSender::writeLine(const std::string& bytes, std::size_t packetLength) {
    PortError error;
    if (link_.write(bytes, error)) return true;
    link_.log("\r\nError in do_send2(): " + std::to_string(error.number) + "  " + error.description + "\r\n0\r\n" +
              std::to_string(packetLength));
    result_ = false;
    return false;
}

void PacketSender::settle() {
    phase_ = Phase::Settling;
    link_.holdEvents();
    pause_->start(timing::kSettlingPause);
}

void PacketSender::finish(bool result) {
    deadline_->stop();
    recheck_->stop();
    pause_->stop();
    phase_ = Phase::Idle;
    if (Done done = std::exchange(done_, nullptr)) done(result);
}

void PacketSender::abort() {
    giveUp();
    if (phase_ == Phase::Settling) link_.releaseEvents();
    if (phase_ != Phase::Idle) finish(false);
}

// The abort line is written before the link closes so that it reaches the unit, and only once per
// session; after it nothing more is written.
void PacketSender::giveUp() {
    session_.setErrorScore(score::kGivenUp);
    link_.setSendTimerEnabled(false);
    if (!session_.abortSent()) {
        if (!link_.connected()) link_.connectPort();
        writeLine(PacketLine(session_.header(), std::string(kAbortPacket)), kAbortPacket.size());
    }
    session_.setAbortSent(true);
    if (link_.isPortOpen()) link_.disconnectPort();
    link_.stopBlinkTimer();
    emit gaveUp();
}

}  // namespace koru
