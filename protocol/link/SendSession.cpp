#include "protocol/link/SendSession.h"

#include "protocol/PacketRules.h"
#include "protocol/RecordTable.h"
#include "protocol/SendLimits.h"
#include "protocol/SessionHeader.h"

namespace koru {

SendSession::SendSession(SerialLink& link, PacketSender& sender, SessionState& session, MessageBoxes& boxes,
                         const UnitConfiguration& live)
    : link_(link), sender_(sender), session_(session), boxes_(boxes), live_(live) {
    connect(&sender_, &PacketSender::gaveUp, this, [this] {
        SendProgress next = progress_;
        next.status = userAbort_ ? kAbortedText : kGivingUpText;
        next.button = ButtonMode::Close;
        setProgress(next);
    });
    connect(&sender_, &PacketSender::packetWritten, this, &SendSession::onPacketWritten);
    connect(&link_, &SerialLink::replyRead, this, &SendSession::onReply);
    connect(&link_, &SerialLink::portLost, this, [this] {
        if (running()) lost_ = true;
    });
}

void SendSession::setProgress(const SendProgress& progress) {
    progress_ = progress;
    emit progressChanged();
}

void SendSession::prepare() {
    config_ = live_;
    link_.clearLog();
    const SessionHeader header = BuildSessionHeader(config_);
    for (const EncoderStep& step : header.steps) {
        if (step.kind == EncoderStep::Kind::LinkLog) link_.log(step.text);
        if (step.kind == EncoderStep::Kind::MessageBox) boxes_.show(step.text, step.title, MessageIcon::None);
    }
    session_.begin(header.text);
}

bool SendSession::start(const SendSelection& selection) {
    if (running()) return false;
    session_.setErrorScore(0.0);
    SendProgress next = progress_;
    next.status.clear();
    next.value = 0;
    next.button = ButtonMode::Abort;
    setProgress(next);
    if (!link_.connected()) link_.connectPort();
    if (!link_.connected()) return false;
    next.visible = true;
    setProgress(next);
    prepare();
    run(selection);
    return true;
}

// Every group is encoded from the copy before the start line goes out; the steps are then replayed in
// order, so log entries and messages still come between the packets they belong to.
void SendSession::run(const SendSelection& selection) {
    selection_ = selection;
    count_ = selection.count();
    SendProgress next = progress_;
    next.minimum = 0;
    next.maximum = count_;
    next.value = 0;
    setProgress(next);
    if (count_ < score::kFullSessionGroups) session_.setErrorScore(score::kFullSessionGroups - count_);

    groups_ = EncodeSelection(config_, selection, session_.header().size());
    report_ = DeliveryReport(selection);
    for (const EncodedRecord& group : groups_) report_.setPacketCount(group.record, group.packets().size());
    groupIndex_ = 0;
    stepIndex_ = 0;
    packetIndex_ = 0;
    handing_.reset();
    awaited_.reset();
    lost_ = false;
    endWritten_ = false;
    userAbort_ = false;
    saved_ = false;
    stoppedEarly_ = false;
    phase_ = Phase::StartLine;
    emit started();
    pump();
}

// Runs steps until one waits for the packet sender; completions that arrive at once continue the same
// loop instead of nesting.
void SendSession::pump() {
    if (pumping_) return;
    pumping_ = true;
    while (running() && !waiting_) {
        if (lost_ && phase_ != Phase::Verdict) {
            conclude();
            break;
        }
        step();
    }
    pumping_ = false;
}

void SendSession::handOver(const std::string& text, PacketSender::Mode mode, bool* written,
                           std::optional<PacketRef> packet) {
    waiting_ = true;
    handing_ = packet;
    sender_.send(text, mode, [this, written](bool result) {
        if (written != nullptr) *written = result;
        handing_.reset();
        waiting_ = false;
        pump();
    });
}

// A written packet is unanswered until its reply comes; the answer to the packet written before it no
// longer counts, whatever it will be.
void SendSession::onPacketWritten() {
    if (!running()) return;
    awaited_ = handing_;
    if (awaited_) report_.setDelivery(awaited_->record, awaited_->index, {Delivery::NotAnswered, {}});
}

// An acknowledgement counts only for an unanswered packet; a fault replaces an acknowledgement but not an
// earlier fault.
void SendSession::onReply(ReplyKind kind, const std::string& errorCode) {
    if (!running() || !awaited_) return;
    const Delivery now = report_.delivery(awaited_->record, awaited_->index).delivery;
    PacketDelivery next;
    switch (kind) {
        case ReplyKind::Acknowledgement:
            if (now != Delivery::NotAnswered) return;
            next.delivery = Delivery::Acknowledged;
            break;
        case ReplyKind::DifferingCounts:
        case ReplyKind::ErrorReport:
            if (now != Delivery::NotAnswered && now != Delivery::Acknowledged) return;
            next.delivery =
                kind == ReplyKind::ErrorReport ? Delivery::ErrorReport : Delivery::DifferingCounts;
            next.errorCode = errorCode;
            break;
        case ReplyKind::ParameterReply:
        case ReplyKind::NotUnderstood:
            return;
    }
    report_.setDelivery(awaited_->record, awaited_->index, std::move(next));
}

void SendSession::step() {
    switch (phase_) {
        case Phase::StartLine:
            phase_ = Phase::Groups;
            handOver(StartLine(session_.header()), PacketSender::Mode::Override, nullptr);
            return;
        case Phase::Groups:
            stepGroup();
            return;
        case Phase::EndLine:
            phase_ = Phase::Verdict;
            handOver(std::string(kEndPacket), PacketSender::Mode::Normal, &endWritten_);
            return;
        case Phase::Verdict:
            conclude();
            return;
        case Phase::Idle:
            return;
    }
}

// One step of the current group: a log entry, a message, or a hand-over. The group's result is that of
// its last hand-over.
void SendSession::stepGroup() {
    if (groupIndex_ == groups_.size()) {
        phase_ = Phase::EndLine;
        return;
    }
    const EncodedRecord& group = groups_[groupIndex_];
    if (stepIndex_ == 0) groupResult_ = true;
    if (stepIndex_ < group.steps.size()) {
        const EncoderStep& next = group.steps[stepIndex_++];
        switch (next.kind) {
            case EncoderStep::Kind::LinkLog:
                link_.log(next.text);
                break;
            case EncoderStep::Kind::MessageBox:
                boxes_.show(next.text, next.title, MessageIcon::None);
                break;
            case EncoderStep::Kind::HandOver: {
                std::optional<PacketRef> packet;
                if (!next.text.empty()) packet = PacketRef{group.record, packetIndex_++};
                handOver(next.text, PacketSender::Mode::Normal, &groupResult_, packet);
                break;
            }
        }
        return;
    }

    const Record record = group.record;
    ++groupIndex_;
    stepIndex_ = 0;
    packetIndex_ = 0;
    if (DescribeRecord(record).logsStatusAfter) {
        link_.log("\r\nStatus: " + std::string(SessionState::text(session_.state())));
    }
    emit groupSent(record, groupResult_);
    if (!groupResult_) {
        stop();
        return;
    }
    if (progress_.value < count_) {
        SendProgress next = progress_;
        ++next.value;
        setProgress(next);
    }
}

void SendSession::conclude() {
    // A unit that goes away once the end line is out (it restarts with its new setup) spoils nothing;
    // every packet must have been acknowledged.
    const bool saved = (!lost_ || endWritten_) && session_.errorScore() < score::kSavedBelow &&
                       progress_.value == count_ && report_.allAcknowledged();
    SendProgress next = progress_;
    next.button = saved ? ButtonMode::Ok : ButtonMode::TryAgain;
    next.status = saved ? kVerdictSaved : kVerdictFailed;
    if (userAbort_) {
        next.button = ButtonMode::Close;
        next.status = kAbortedText;
    }
    setProgress(next);
    if (link_.isPortOpen()) link_.disconnectPort();
    end(saved);
}

// A failed group stops the session without an end line; the link stays as it is.
void SendSession::stop() {
    stoppedEarly_ = true;
    end(false);
}

void SendSession::end(bool saved) {
    phase_ = Phase::Idle;
    awaited_.reset();
    saved_ = saved;
    emit ended(saved);
}

std::string SendSession::verdict() const {
    if (saved_) return kVerdictSaved;
    if (!progress_.status.empty()) return progress_.status;
    return stoppedEarly_ ? kStoppedEarlyText : kVerdictFailed;
}

void SendSession::showAborted() {
    SendProgress next = progress_;
    next.status = kAbortedText;
    next.button = ButtonMode::Close;
    setProgress(next);
}

void SendSession::pressButton() {
    SendProgress next = progress_;
    switch (progress_.button) {
        case ButtonMode::Abort:
            userAbort_ = running();
            sender_.abort();
            showAborted();
            return;
        case ButtonMode::TryAgain:
            emit retryRequested();
            return;
        case ButtonMode::Close:
            next.value = 0;
            next.visible = false;
            setProgress(next);
            emit hideRequested();
            return;
        case ButtonMode::Ok:
            next.value = 0;
            next.visible = false;
            next.button = ButtonMode::Abort;
            next.status.clear();
            setProgress(next);
            emit unloadRequested();
            return;
    }
}

}  // namespace koru
