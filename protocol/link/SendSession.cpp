#include "protocol/link/SendSession.h"

#include "protocol/PacketRules.h"
#include "protocol/SessionHeader.h"

namespace koru {

namespace {

constexpr int kFullSessionGroups = 4;  // fewer selected groups start with a raised error score
constexpr double kVerdictThreshold = 4.0;

}  // namespace

SendSession::SendSession(SerialLink& link, PacketSender& sender, SessionState& session, MessageBoxes& boxes,
                         const UnitConfiguration& config)
    : link_(link), sender_(sender), session_(session), boxes_(boxes), config_(config) {
    connect(&sender_, &PacketSender::gaveUp, this, [this] {
        SendProgress next = progress_;
        next.status = kGivingUpText;
        next.caption = "Close";
        setProgress(next);
    });
    connect(&link_, &SerialLink::portLost, this, [this] {
        if (running()) lost_ = true;
    });
}

void SendSession::setProgress(const SendProgress& progress) {
    progress_ = progress;
    emit progressChanged();
}

void SendSession::init_session() {
    link_.clearLog();
    const SessionHeader header = BuildSessionHeader(config_);
    for (const EncoderStep& step : header.steps) {
        if (step.kind == EncoderStep::Kind::LinkLog) link_.log(step.text);
        if (step.kind == EncoderStep::Kind::MessageBox) boxes_.show(step.text, step.title, MessageIcon::None);
    }
    session_.init_session(header.text);
}

bool SendSession::start(const SendSelection& selection) {
    if (running()) return false;
    selection_ = selection;
    session_.setErrorScore(0.0);
    SendProgress next = progress_;
    next.status.clear();
    next.value = 0;
    next.caption = "Abort";
    setProgress(next);
    if (!link_.Connect()) link_.PortConnect_Click();
    if (!link_.Connect()) return false;
    next.visible = true;
    setProgress(next);
    init_session();
    send_to_koru(selection);
    return true;
}

void SendSession::send_to_koru(const SendSelection& selection) {
    if (running()) return;
    selection_ = selection;
    count_ = selection.count();
    SendProgress next = progress_;
    next.minimum = 0;
    next.maximum = count_;
    next.value = 0;
    setProgress(next);
    if (count_ < kFullSessionGroups) session_.setErrorScore(kFullSessionGroups - count_);

    context_ = EncodeContext{};
    context_.headerLength = session_.header().size();
    orderIndex_ = 0;
    steps_.reset();
    lost_ = false;
    endWritten_ = false;
    phase_ = Phase::StartLine;
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

void SendSession::handOver(const std::string& packet, PacketSender::Mode mode, bool* written) {
    waiting_ = true;
    sender_.do_send(packet, mode, [this, written](bool result) {
        if (written != nullptr) *written = result;
        waiting_ = false;
        pump();
    });
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
    if (!steps_) {
        while (orderIndex_ < kSendOrder.size() && !selection_.has(kSendOrder[orderIndex_])) ++orderIndex_;
        if (orderIndex_ == kSendOrder.size()) {
            phase_ = Phase::EndLine;
            return;
        }
        steps_ = EncodeGroup(kSendOrder[orderIndex_], config_, context_);
        stepIndex_ = 0;
        groupResult_ = true;
    }
    if (stepIndex_ < steps_->size()) {
        const EncoderStep& next = (*steps_)[stepIndex_++];
        switch (next.kind) {
            case EncoderStep::Kind::LinkLog:
                link_.log(next.text);
                break;
            case EncoderStep::Kind::MessageBox:
                boxes_.show(next.text, next.title, MessageIcon::None);
                break;
            case EncoderStep::Kind::HandOver:
                handOver(next.text, PacketSender::Mode::Normal, &groupResult_);
                break;
        }
        return;
    }

    const int record = kSendOrder[orderIndex_];
    steps_.reset();
    ++orderIndex_;
    if (LogsStatusAfter(record)) link_.log("\r\nStatus: " + session_.get_state());
    emit groupSent(record, groupResult_);
    if (!groupResult_) {
        stop(true);
        return;
    }
    if (progress_.value < count_) {
        SendProgress next = progress_;
        ++next.value;
        setProgress(next);
    }
}

void SendSession::conclude() {
    SendProgress next = progress_;
    // A unit that goes away once the end line is out (it restarts with its new setup) spoils nothing.
    const bool saved = (!lost_ || endWritten_) && session_.errorScore() < kVerdictThreshold && progress_.value == count_;
    next.caption = saved ? "OK" : "Try again";
    next.status = saved ? kVerdictSaved : kVerdictFailed;
    setProgress(next);
    if (link_.isPortOpen()) link_.PortDisconnect_Click();
    stop(false);
    emit finished(saved);
}

void SendSession::stop(bool emitStalled) {
    phase_ = Phase::Idle;
    steps_.reset();
    if (emitStalled) emit stalled();
}

void SendSession::pressButton() {
    SendProgress next = progress_;
    if (progress_.caption == "Abort") {
        sender_.abort();
        next = progress_;
        next.status = kAbortedText;
        next.caption = "Close";
        setProgress(next);
    } else if (progress_.caption == "Try again") {
        session_.setErrorScore(0.0);
        next.caption = "Abort";
        next.value = 0;
        setProgress(next);
        start(selection_);
    } else if (progress_.caption == "Close") {
        next.value = 0;
        next.visible = false;
        setProgress(next);
        emit hideRequested();
    } else if (progress_.caption == "OK") {
        next.value = 0;
        next.visible = false;
        next.caption = "Abort";
        next.status.clear();
        setProgress(next);
        emit unloadRequested();
    }
}

}  // namespace koru
