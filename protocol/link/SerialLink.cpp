#include "protocol/link/SerialLink.h"

#include <QPointer>

#include <algorithm>
#include <utility>

#include "model/FileSyntax.h"
#include "protocol/SendLimits.h"
#include "protocol/link/LinkTimings.h"

namespace koru {

namespace {

constexpr const char* kTimeoutEntry = "\r\n...TIMEOUT...";
constexpr int kTimeoutsThatForce = 3;

}  // namespace

SerialLink::SerialLink(SerialPort& port, MessageBoxes& boxes, Clock& clock, SessionState& session)
    : port_(port),
      boxes_(boxes),
      session_(session),
      replies_(session),
      sendTimer_(clock.createTimer()),
      blinkTimer_(clock.createTimer()),
      floodPause_(clock.createTimer()),
      timeout_(timing::kDefaultReplyTimeout) {
    floodPause_->setSingleShot(true);
    floodPause_->onTimeout = [this] { receivePending(); };
    port_.onEvent = [this](PortEvent event, const std::string& detail) { onPortEvent(event, detail); };
    sendTimer_->onTimeout = [this] {
        if (held_) {
            pendingTick_ = true;
        } else {
            onSendTimeout();
        }
    };
    blinkTimer_->onTimeout = [this] { setTransferBright(!workingBright_); };
    session_.onStateShown = [this](SessionState::State state) {
        stateDisplay_ = std::string(SessionState::text(state));
        emit sessionStateChanged();
    };
}

SerialLink::~SerialLink() {
    port_.onEvent = nullptr;
    session_.onStateShown = nullptr;
}

void SerialLink::setPort(int number, const std::string& device) {
    portNumber_ = number;
    port_.setDevice(device);
}

bool SerialLink::setLineSettings(const std::string& settings, PortError& error) {
    return port_.setSettings(settings, error);
}

void SerialLink::setReplyTimeout(std::chrono::milliseconds timeout) {
    timeout_ = std::clamp(timeout, timing::kMinimumReplyTimeout, timing::kMaximumReplyTimeout);
}

bool SerialLink::probe(PortError& error) {
    if (!port_.open(error)) return false;
    port_.close();
    return true;
}

void SerialLink::connectPort() {
    PortError error;
    if (!port_.open(error)) {
        // The box goes away; the log keeps why, and which device it was.
        const std::string reason = "Error connecting. " + port_.device() + ": " + error.description;
        log(reason);
        showMessage(reason, "Error", MessageIcon::Exclamation);
        emit connectFailed();
        return;
    }
    connected_ = true;
    refreshIndicators();
    emit connectionChanged(true);
}

void SerialLink::disconnectPort() {
    if (port_.isOpen()) port_.close();
    connected_ = false;
    refreshIndicators();
    emit connectionChanged(false);
}

// One of the link's boxes at a time: a unit that repeats its error report would otherwise open a box for
// every one, without end. What is not shown is in the link log already (and in the delivery report).
void SerialLink::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    if (messageOpen_) return;
    messageOpen_ = true;
    boxes_.showThen(text, title, icon, [link = QPointer<SerialLink>(this)] {
        if (link) link->messageOpen_ = false;
    });
}

void SerialLink::toggleDataTerminalReady() {
    port_.setDataTerminalReady(port_.dataTerminalReady() != LineState::On);
    refreshIndicators();
}

void SerialLink::toggleRequestToSend() {
    port_.setRequestToSend(port_.requestToSend() != LineState::On);
    refreshIndicators();
}

void SerialLink::refreshIndicators() {
    LinkIndicators now;
    now.carrierDetect = port_.carrierDetect();
    now.clearToSend = port_.clearToSend();
    now.dataSetReady = port_.dataSetReady();
    now.dataTerminalReady = port_.dataTerminalReady();
    now.requestToSend = port_.requestToSend();
    if (now == indicators_) return;
    indicators_ = now;
    emit indicatorsChanged();
}

void SerialLink::log(const std::string& entry) {
    if (entry == kTimeoutEntry) {
        if (++timeoutsInARow_ >= kTimeoutsThatForce) threeTimeoutsLogged_ = true;
    } else {
        timeoutsInARow_ = 0;
    }
    log_.add(entry);
}

void SerialLink::clearLog() {
    timeoutsInARow_ = 0;
    threeTimeoutsLogged_ = false;
    log_.clear();
}

void SerialLink::setSendTimerEnabled(bool enabled) {
    if (enabled) {
        sendTimer_->start(timeout_);
    } else {
        sendTimer_->stop();
        pendingTick_ = false;
    }
}

void SerialLink::startBlinkTimer() {
    blinkTimer_->start(timing::kBlinkInterval);
}

void SerialLink::stopBlinkTimer() {
    blinkTimer_->stop();
    setTransferBright(true);
}

void SerialLink::setTransferBright(bool bright) {
    if (bright == workingBright_) return;
    workingBright_ = bright;
    emit transferIndicatorChanged();
}

void SerialLink::holdEvents() {
    held_ = true;
}

void SerialLink::releaseEvents() {
    held_ = false;
    receivePending();
    if (std::exchange(pendingTick_, false)) onSendTimeout();
    if (std::exchange(pendingLost_, false)) onPortEvent(PortEvent::Lost, lostDetail_);
}

void SerialLink::onPortEvent(PortEvent event, const std::string& detail) {
    if (held_) {
        if (event == PortEvent::Receive) pendingReceive_ = true;
        if (event == PortEvent::Lost) {
            pendingLost_ = true;
            lostDetail_ = detail;
        }
        return;
    }
    refreshIndicators();
    switch (event) {
        case PortEvent::Receive:
            pendingReceive_ = true;
            receivePending();
            break;
        case PortEvent::Lost:
            // The device is gone: the port is closed at once so that it cannot flood the link with errors.
            log("\r\nConnection lost: " + detail);
            disconnectPort();
            emit portLost(QString::fromStdString(detail));
            break;
    }
}

// A reply is handled once the buffer ends with ";" CR LF, however its pieces came (a USB adapter may hand
// the LF over in a read of its own); anything else waits in the buffer. Only new bytes can complete a
// reply: the differing counts that stay in the buffer are not handled again for a read of blanks.
void SerialLink::receive() {
    const std::string read = port_.readAll();
    // However fast a unit floods the line, it is read at a pace that costs little time; the bytes wait in
    // the port meanwhile. No reply is this long, so replies are read at once.
    if (read.size() >= kFloodRead) floodPause_->start(timing::kFloodReadPause);
    const std::string chunk(TrimBlanks(read));
    receiveBuffer_ = std::string(TrimBlanks(receiveBuffer_)) + chunk;
    if (!chunk.empty() && receiveBuffer_.ends_with(";\r\n")) {
        log("Received: " + receiveBuffer_);
        setSendTimerEnabled(false);
        const std::string reply = receiveBuffer_;
        const ReplyOutcome outcome = replies_.handleReply(reply, receiveBuffer_);
        for (const std::string& entry : outcome.logEntries) log(entry);
        for (const std::string& message : outcome.messages) showMessage(message, "", MessageIcon::None);
        emit replyRead(outcome.kind, outcome.errorCode);
        setSendTimerEnabled(true);
    }
    if (receiveBuffer_.size() > kReceiveLimit) receiveBuffer_.clear();
}

void SerialLink::receivePending() {
    if (held_ || floodPause_->isActive() || !std::exchange(pendingReceive_, false)) return;
    receive();
}

// Three time-outs with nothing logged between them, while connected, force the session on; once they
// stood together every further tick forces it again, until the log is emptied.
void SerialLink::onSendTimeout() {
    log(kTimeoutEntry);
    if (threeTimeoutsLogged_ && connected_) {
        session_.addToErrorScore(score::kPerFault);
        session_.state_event(SessionState::Event::ForceOk);
        log("Comstatus forced OK");
        stateDisplay_ = "ok";
        emit sessionStateChanged();
    }
}

}  // namespace koru
