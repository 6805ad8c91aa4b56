#include "tests/support/FakeSerialPort.h"

#include "platform/PortSettings.h"

namespace koru::test {

bool FakeSerialPort::setSettings(const std::string& settings, PortError& error) {
    if (!PortSettings::parse(settings)) {
        error = {380, "Invalid property value \"" + settings + "\"", "ComPort"};
        return false;
    }
    settings_ = settings;
    return true;
}

bool FakeSerialPort::open(PortError& error) {
    if (open_) {
        error = {8005, "Port already open", "ComPort"};
        return false;
    }
    if (missingDevices.count(device_) > 0) {
        error = {8002, "No such file or directory", "ComPort"};
        return false;
    }
    open_ = true;
    opened.push_back(device_);
    return true;
}

bool FakeSerialPort::write(const std::string& bytes, PortError& error) {
    if (!open_) {
        error = {8018, "Operation valid only when the port is open", "ComPort"};
        return false;
    }
    written += bytes;
    writes.push_back(bytes);
    if (onWrite) onWrite(bytes);
    return true;
}

std::string FakeSerialPort::readAll() {
    std::string bytes;
    bytes.swap(inbox_);
    return bytes;
}

bool FakeSerialPort::setDataTerminalReady(bool on) {
    if (!modemLinesSupported) return false;
    dtr_ = on ? LineState::On : LineState::Off;
    return true;
}

bool FakeSerialPort::setRequestToSend(bool on) {
    if (!modemLinesSupported) return false;
    rts_ = on ? LineState::On : LineState::Off;
    return true;
}

void FakeSerialPort::receive(const std::string& bytes) {
    inbox_ += bytes;
    if (open_ && onEvent) onEvent(PortEvent::Receive, {});
}

void FakeSerialPort::loseDevice(const std::string& detail) {
    open_ = false;
    if (onEvent) onEvent(PortEvent::Lost, detail);
}

}  // namespace koru::test
