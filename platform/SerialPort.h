#pragma once

// The serial port as the link uses it: a device, a settings string, open and close, bytes in and out,
// events, and the modem lines. Implemented over QSerialPort; tests use a scripted double.

#include <functional>
#include <string>

namespace koru {

// A modem line that the port cannot report (a pseudo-terminal, some adapters) is Unknown.
enum class LineState { Unknown, Off, On };

// A failed port operation, with a number, a description and where it came from.
struct PortError {
    int number = 0;
    std::string description;
    std::string source;
};

enum class PortEvent {
    Receive,  // bytes arrived; read them with readAll()
    Lost,     // the device went away (unplugged, hung up); the port is already closed
};

class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual void setDevice(const std::string& device) = 0;
    virtual std::string device() const = 0;

    // Baud, parity letter, data bits and stop bits joined by "," ("9600,n,8,1"), parity in either case.
    // A string the port does not understand fails and changes nothing.
    virtual bool setSettings(const std::string& settings, PortError& error) = 0;
    virtual std::string settings() const = 0;

    virtual bool open(PortError& error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Bytes go out as they are: no translation, nothing appended.
    virtual bool write(const std::string& bytes, PortError& error) = 0;
    virtual std::string readAll() = 0;

    virtual LineState carrierDetect() = 0;
    virtual LineState clearToSend() = 0;
    virtual LineState dataSetReady() = 0;
    virtual LineState dataTerminalReady() = 0;
    virtual LineState requestToSend() = 0;
    // False when the port cannot drive the line; the line then reads Unknown.
    virtual bool setDataTerminalReady(bool on) = 0;
    virtual bool setRequestToSend(bool on) = 0;

    // Set by the owner of the link; `detail` describes a Lost event.
    std::function<void(PortEvent event, const std::string& detail)> onEvent;
};

}  // namespace koru
