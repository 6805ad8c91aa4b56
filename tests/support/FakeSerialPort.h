#pragma once

// A serial port double: records what is written, delivers scripted input as receive events, fails to
// open chosen devices, and can lose its device.

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/SerialPort.h"

namespace koru::test {

class FakeSerialPort : public SerialPort {
public:
    void setDevice(const std::string& device) override { device_ = device; }
    std::string device() const override { return device_; }
    bool setSettings(const std::string& settings, PortError& error) override;
    std::string settings() const override { return settings_; }
    bool open(PortError& error) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool write(const std::string& bytes, PortError& error) override;
    std::string readAll() override;
    LineState carrierDetect() override { return lines; }
    LineState clearToSend() override { return lines; }
    LineState dataSetReady() override { return lines; }
    LineState dataTerminalReady() override { return dtr_; }
    LineState requestToSend() override { return rts_; }
    bool setDataTerminalReady(bool on) override;
    bool setRequestToSend(bool on) override;

    // Bytes from the unit: queued, then one receive event.
    void receive(const std::string& bytes);
    // The device goes away: the port closes and reports it.
    void loseDevice(const std::string& detail = "Input/output error");

    std::set<std::string> missingDevices;  // opening these fails as a missing device
    LineState lines = LineState::Unknown;
    bool modemLinesSupported = false;
    std::string written;                     // every byte written, in order
    std::vector<std::string> writes;         // one entry per write
    std::vector<std::string> opened;         // devices opened, in order
    std::function<void(const std::string&)> onWrite;  // scripts the unit's answers

private:
    std::string device_;
    std::string settings_ = "9600,n,8,1";
    std::string inbox_;
    bool open_ = false;
    LineState dtr_ = LineState::Unknown;
    LineState rts_ = LineState::Unknown;
};

}  // namespace koru::test
