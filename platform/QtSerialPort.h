#pragma once

// The SerialPort over QSerialPort. The device is closed on the first read or resource error: on Linux
// QSerialPort otherwise repeats that error endlessly once the other end has gone.

#include <QSerialPort>

#include "platform/SerialPort.h"

namespace koru {

class QtSerialPort : public SerialPort {
public:
    // The most a read hands over: a second of a 115200 baud line, a hundred replies.
    static constexpr qint64 kReadBufferBytes = 16384;

    QtSerialPort();
    ~QtSerialPort() override;

    void setDevice(const std::string& device) override;
    std::string device() const override;
    bool setSettings(const std::string& settings, PortError& error) override;
    std::string settings() const override;
    bool open(PortError& error) override;
    void close() override;
    bool isOpen() const override;
    bool write(const std::string& bytes, PortError& error) override;
    std::string readAll() override;
    LineState carrierDetect() override;
    LineState clearToSend() override;
    LineState dataSetReady() override;
    LineState dataTerminalReady() override;
    LineState requestToSend() override;
    bool setDataTerminalReady(bool on) override;
    bool setRequestToSend(bool on) override;

private:
    PortError currentError() const;
    LineState pinout(QSerialPort::PinoutSignal line);
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    std::string device_;  // as given: QSerialPort keeps "/dev/ttyUSB0" as "ttyUSB0"
    std::string settings_;
    bool dtr_ = true;
    bool rts_ = true;
    bool closing_ = false;
};

}  // namespace koru
