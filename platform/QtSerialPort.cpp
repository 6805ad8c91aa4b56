#include "platform/QtSerialPort.h"

#include "platform/PortSettings.h"

namespace koru {

namespace {

constexpr const char* kPortSource = "ComPort";

QSerialPort::Parity toParity(char letter) {
    switch (letter) {
        case 'O': return QSerialPort::OddParity;
        case 'E': return QSerialPort::EvenParity;
        case 'M': return QSerialPort::MarkParity;
        case 'S': return QSerialPort::SpaceParity;
        default: return QSerialPort::NoParity;
    }
}

// Error numbers in the range serial components traditionally use, so log entries read the same on
// every platform.
int errorNumber(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::DeviceNotFoundError: return 8002;
        case QSerialPort::OpenError: return 8005;
        case QSerialPort::PermissionError: return 8010;
        case QSerialPort::NotOpenError: return 8018;
        default: return 8000 + static_cast<int>(error);
    }
}

}  // namespace

QtSerialPort::QtSerialPort() {
    // Bytes nobody has read yet stay with the driver beyond this: a unit flooding the line while the
    // link waits out a pause cannot fill the memory.
    port_.setReadBufferSize(kReadBufferBytes);
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (onEvent) onEvent(PortEvent::Receive, {});
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
    PortError ignored;
    setSettings(kDefaultPortSettings, ignored);
}

QtSerialPort::~QtSerialPort() {
    // Nothing may be reported to an owner that is being torn down.
    onEvent = nullptr;
    QObject::disconnect(&port_, nullptr, nullptr, nullptr);
}

void QtSerialPort::setDevice(const std::string& device) {
    device_ = device;
    port_.setPortName(QString::fromStdString(device));
}

std::string QtSerialPort::device() const { return device_; }

bool QtSerialPort::setSettings(const std::string& settings, PortError& error) {
    const auto parsed = PortSettings::parse(settings);
    if (!parsed) {
        error = {380, "Invalid property value \"" + settings + "\"", kPortSource};
        return false;
    }
    settings_ = settings;
    port_.setBaudRate(parsed->baud);
    port_.setParity(toParity(parsed->parity));
    port_.setDataBits(static_cast<QSerialPort::DataBits>(parsed->dataBits));
    port_.setStopBits(parsed->stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

std::string QtSerialPort::settings() const { return settings_; }

bool QtSerialPort::open(PortError& error) {
    if (port_.isOpen()) {
        error = {8005, "Port already open", kPortSource};
        return false;
    }
    if (!port_.open(QIODevice::ReadWrite)) {
        error = currentError();
        port_.clearError();
        return false;
    }
    // Modem lines a port cannot drive are only unknown, never a failure of the link.
    port_.setDataTerminalReady(dtr_);
    port_.setRequestToSend(rts_);
    port_.clearError();
    return true;
}

void QtSerialPort::close() {
    if (!port_.isOpen()) return;
    closing_ = true;
    port_.flush();  // what was written must still reach the unit (the abort line goes out just before this)
    port_.close();
    port_.clearError();
    closing_ = false;
}

bool QtSerialPort::isOpen() const { return port_.isOpen(); }

bool QtSerialPort::write(const std::string& bytes, PortError& error) {
    if (!port_.isOpen()) {
        error = {8018, "Operation valid only when the port is open", kPortSource};
        return false;
    }
    const qint64 written = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size())) {
        error = currentError();
        port_.clearError();
        return false;
    }
    // Hand the bytes to the driver now rather than on the next event loop turn: the line leaves at once.
    port_.flush();
    return true;
}

std::string QtSerialPort::readAll() {
    if (!port_.isOpen()) return {};
    return port_.readAll().toStdString();
}

LineState QtSerialPort::pinout(QSerialPort::PinoutSignal line) {
    if (!port_.isOpen()) return LineState::Unknown;
    const QSerialPort::PinoutSignals lines = port_.pinoutSignals();
    const bool unsupported = port_.error() != QSerialPort::NoError;
    port_.clearError();
    if (unsupported) return LineState::Unknown;
    return lines.testFlag(line) ? LineState::On : LineState::Off;
}

LineState QtSerialPort::carrierDetect() { return pinout(QSerialPort::DataCarrierDetectSignal); }
LineState QtSerialPort::clearToSend() { return pinout(QSerialPort::ClearToSendSignal); }
LineState QtSerialPort::dataSetReady() { return pinout(QSerialPort::DataSetReadySignal); }

LineState QtSerialPort::dataTerminalReady() {
    if (!port_.isOpen()) return dtr_ ? LineState::On : LineState::Off;
    return pinout(QSerialPort::DataTerminalReadySignal) == LineState::Unknown ? LineState::Unknown
           : dtr_                                                             ? LineState::On
                                                                              : LineState::Off;
}

LineState QtSerialPort::requestToSend() {
    if (!port_.isOpen()) return rts_ ? LineState::On : LineState::Off;
    return pinout(QSerialPort::RequestToSendSignal) == LineState::Unknown ? LineState::Unknown
           : rts_                                                          ? LineState::On
                                                                           : LineState::Off;
}

bool QtSerialPort::setDataTerminalReady(bool on) {
    dtr_ = on;
    if (!port_.isOpen()) return true;
    const bool done = port_.setDataTerminalReady(on);
    port_.clearError();
    return done;
}

bool QtSerialPort::setRequestToSend(bool on) {
    rts_ = on;
    if (!port_.isOpen()) return true;
    const bool done = port_.setRequestToSend(on);
    port_.clearError();
    return done;
}

PortError QtSerialPort::currentError() const {
    return {errorNumber(port_.error()), port_.errorString().toStdString(), kPortSource};
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    if (closing_ || (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)) return;
    if (!port_.isOpen()) return;
    // The error text Qt gives here is a stale one from an earlier call; say what happened instead.
    const std::string detail = error == QSerialPort::ReadError ? "the device stopped answering (read error)"
                                                               : "the device is no longer available";
    close();
    if (onEvent) onEvent(PortEvent::Lost, detail);
}

}  // namespace koru
