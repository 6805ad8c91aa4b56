#include "protocol/link/SerialLink.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <type_traits>
#include <utility>

#include "model/FileSyntax.h"
#include "platform/PortDevices.h"
#include "platform/PortSettings.h"
#include "protocol/link/LinkTimings.h"

namespace koru {

namespace {

constexpr std::array<int, 10> kBaudOptions{300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
constexpr std::array<char, 3> kParityOptions{'N', 'O', 'E'};
constexpr std::array<int, 4> kDataBitOptions{5, 6, 7, 8};
constexpr std::array<int, 2> kStopBitOptions{1, 2};

constexpr const char* kTimeoutEntry = "\r\n...TIMEOUT...";
constexpr const char* kThreeTimeouts = "...TIMEOUT...\r\n...TIMEOUT...\r\n...TIMEOUT...";

template <typename Options, typename Value>
int indexOf(const Options& options, Value value) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i] == value) return static_cast<int>(i);
    }
    return -1;
}

template <typename Options>
std::string optionText(const Options& options, int index) {
    if (index < 0 || index >= static_cast<int>(options.size())) return {};
    if constexpr (std::is_same_v<typename Options::value_type, char>) {
        return std::string(1, options[static_cast<std::size_t>(index)]);
    } else {
        return std::to_string(options[static_cast<std::size_t>(index)]);
    }
}

std::optional<long> wholeNumber(const std::string& text) {
    long value = 0;
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return std::nullopt;
    const char* end = trimmed.data() + trimmed.size();
    auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace

std::string LinkOptions::settingsString() const {
    return optionText(kBaudOptions, baud) + "," + optionText(kParityOptions, parity) + "," +
           optionText(kDataBitOptions, dataBits) + "," + optionText(kStopBitOptions, stopBits);
}

LinkOptions LinkOptions::fromSettings(const std::string& settings) {
    const auto parsed = PortSettings::parse(settings);
    if (!parsed) return LinkOptions{};
    return {indexOf(kBaudOptions, parsed->baud), indexOf(kParityOptions, parsed->parity),
            indexOf(kDataBitOptions, parsed->dataBits), indexOf(kStopBitOptions, parsed->stopBits)};
}

SerialLink::SerialLink(SerialPort& port, SettingsStore& store, MessageBoxes& boxes, Clock& clock,
                       SessionState& session)
    : port_(port),
      store_(store),
      boxes_(boxes),
      session_(session),
      replies_(session),
      sendTimer_(clock.createTimer()),
      blinkTimer_(clock.createTimer()),
      timeout_(timing::kDefaultReplyTimeout) {
    port_.onEvent = [this](PortEvent event, const std::string& detail) { onPortEvent(event, detail); };
    sendTimer_->onTimeout = [this] {
        if (held_) {
            pendingTick_ = true;
        } else {
            onSendTimeout();
        }
    };
    blinkTimer_->onTimeout = [this] { workingBright_ = !workingBright_; };
    session_.onStateShown = [this](const std::string& state) {
        stateDisplay_ = state;
        emit sessionStateChanged();
    };
    setPortNumber(1);
}

SerialLink::~SerialLink() {
    port_.onEvent = nullptr;
    session_.onStateShown = nullptr;
}

void SerialLink::setPortNumber(int number) {
    portNumber_ = number;
    port_.setDevice(DeviceForPort(number, store_));
}

void SerialLink::log(const std::string& entry) {
    linkLog_.insert(0, entry);
    emit logChanged();
}

void SerialLink::clearLog() {
    linkLog_.clear();
    emit logChanged();
}

bool SerialLink::write(const std::string& bytes, PortError& error) { return port_.write(bytes, error); }

void SerialLink::logPortError(const PortError& error) {
    log("Error: " + std::to_string(error.number) + "  " + error.description + "  " + error.source + "  " +
        (port_.isOpen() ? "True" : "False"));
}

// A port that cannot be opened only takes its option away; the load goes on.
void SerialLink::loadFailure(const PortError& error) {
    logPortError(error);
    if (portNumber_ >= 1 && portNumber_ <= 3) {
        portOptionEnabled_[static_cast<std::size_t>(portNumber_)] = false;
        selectedPortOption_ = portNumber_ - 1;
    }
}

bool SerialLink::probe(int number) {
    setPortNumber(number);
    PortError error;
    if (!port_.open(error)) {
        loadFailure(error);
        return false;
    }
    port_.close();
    return true;
}

void SerialLink::load() {
    clearLog();
    receiveBuffer_.clear();
    connected_ = false;
    portOptionEnabled_ = {false, true, true, true};
    selectedPortOption_ = portNumber_;

    const auto stored = wholeNumber(store_.value(kLinkSection, "ComPortP", "1"));
    const int storedPort = stored && *stored >= 1 && *stored <= 3 ? static_cast<int>(*stored) : 1;
    probe(storedPort);
    std::array<bool, 4> opened{};
    for (int number = 3; number >= 1; --number) opened[static_cast<std::size_t>(number)] = probe(number);

    // The stored port is kept when it could be opened, else the lowest one that could.
    int chosen = opened[static_cast<std::size_t>(storedPort)] ? storedPort : 0;
    for (int number = 1; number <= 3 && chosen == 0; ++number) {
        if (opened[static_cast<std::size_t>(number)]) chosen = number;
    }
    setPortNumber(chosen == 0 ? storedPort : chosen);
    if (chosen != 0) selectedPortOption_ = chosen;

    const std::string settings = store_.value(kLinkSection, "ComPortS", kDefaultPortSettings);
    PortError error;
    if (!port_.setSettings(settings, error)) logPortError(error);
    options_ = LinkOptions::fromSettings(port_.settings());

    const auto timeout = wholeNumber(store_.value(kLinkSection, "TOslider", "3000"));
    setTimeout(std::chrono::milliseconds(timeout.value_or(timing::kDefaultReplyTimeout.count())));
}

// The slider shows the time-out in whole seconds.
void SerialLink::setTimeout(std::chrono::milliseconds timeout) {
    timeout_ = std::clamp(timeout, timing::kMinimumReplyTimeout, timing::kMaximumReplyTimeout);
    slider_ = static_cast<int>(std::nearbyint(static_cast<double>(timeout_.count()) / 1000.0));
}

void SerialLink::configure(int portNumber, const std::string& settings, std::chrono::milliseconds timeout) {
    setPortNumber(portNumber);
    selectedPortOption_ = portNumber;
    PortError error;
    if (!port_.setSettings(settings, error)) log("Error: " + std::to_string(error.number) + "  " + error.description);
    options_ = LinkOptions::fromSettings(port_.settings());
    setTimeout(timeout);
}

void SerialLink::activate() {
    PortDisconnect_Click();
    load();
}

void SerialLink::serialSave() {
    if (selectedPortOption_ >= 1 && selectedPortOption_ <= 3 && selectedPortOption_ != portNumber_) {
        // An open port keeps its device: the number changes only while the port is closed.
        if (port_.isOpen()) {
            log("Error in serialSave(): Port already open");
        } else {
            setPortNumber(selectedPortOption_);
        }
    }
    const std::string settings = options_.settingsString();
    // The port opens with its old line settings; the new ones follow.
    PortConnect_Click();
    PortError error;
    if (!port_.setSettings(settings, error)) log("Error in serialSave(): " + error.description);
    log("new setting: " + port_.settings());
    emit hideRequested();
}

void SerialLink::unload() {
    store_.setValue(kLinkSection, "ComPortP", std::to_string(portNumber_));
    store_.setValue(kLinkSection, "ComPortS", port_.settings());
    store_.setValue(kLinkSection, "TOslider", std::to_string(static_cast<long long>(slider_) * 1000));
    if (port_.isOpen()) port_.close();
}

void SerialLink::PortConnect_Click() {
    PortError error;
    if (!port_.open(error)) {
        boxes_.show("Error connecting. " + error.description, "Error", MessageIcon::Exclamation);
        emit showRequested();
        return;
    }
    disconnectEnabled_ = true;
    connected_ = true;
    refreshIndicators();
}

void SerialLink::PortDisconnect_Click() {
    disconnectEnabled_ = false;
    selectedPortOption_ = portNumber_;
    if (port_.isOpen()) port_.close();
    connected_ = false;
    refreshIndicators();
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

void SerialLink::setSendTimerEnabled(bool enabled) {
    if (enabled) {
        sendTimer_->start(timeout_);
    } else {
        sendTimer_->stop();
        pendingTick_ = false;
    }
}

void SerialLink::startBlinkTimer() { blinkTimer_->start(timing::kBlinkInterval); }

void SerialLink::stopBlinkTimer() {
    blinkTimer_->stop();
    workingBright_ = true;
}

void SerialLink::holdEvents() { held_ = true; }

void SerialLink::releaseEvents() {
    held_ = false;
    if (std::exchange(pendingReceive_, false)) receive();
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
            receive();
            break;
        case PortEvent::EndOfFile:
            log("7");
            break;
        case PortEvent::Lost:
            // The device is gone: the port is closed at once so that it cannot flood the link with errors.
            log("\r\nConnection lost: " + detail);
            PortDisconnect_Click();
            emit portLost(QString::fromStdString(detail));
            break;
        case PortEvent::LinesChanged:
            break;
    }
}

// A reply is handled only when one chunk ends with ";" CR LF; anything else waits in the buffer.
void SerialLink::receive() {
    const std::string chunk(TrimBlanks(port_.readAll()));
    receiveBuffer_ = std::string(TrimBlanks(receiveBuffer_)) + chunk;
    if (chunk.ends_with(";\r\n")) {
        log("Received: " + receiveBuffer_);
        setSendTimerEnabled(false);
        const std::string reply = receiveBuffer_;
        const ReplyOutcome outcome = replies_.handle_commands(reply, receiveBuffer_);
        for (const std::string& entry : outcome.logEntries) log(entry);
        for (const std::string& message : outcome.messages) boxes_.show(message, "", MessageIcon::None);
        setSendTimerEnabled(true);
    }
    if (receiveBuffer_.size() > kReceiveLimit) receiveBuffer_.clear();
}

// Three time-outs with nothing logged between them, while connected, force the session on.
void SerialLink::onSendTimeout() {
    log(kTimeoutEntry);
    if (linkLog_.find(kThreeTimeouts) != std::string::npos && disconnectEnabled_) {
        session_.addToErrorScore(1.0);
        session_.state_event("Force OK");
        log("Comstatus forced OK");
        stateDisplay_ = "ok";
        emit sessionStateChanged();
    }
}

}  // namespace koru
