#pragma once

// The serial devices this machine has (USB adapters, built-in ports), for the settings dialog's device
// chooser. The live program asks the system; tests give a fixed list.

#include <string>
#include <vector>

namespace koru {

struct SerialDevice {
    std::string path;  // what the port opens: "/dev/ttyUSB0", "COM4"
    std::string description;
    std::string manufacturer;
    bool operator==(const SerialDevice&) const = default;
};

class SerialDevices {
public:
    virtual ~SerialDevices() = default;
    // The devices present now, in the system's order.
    virtual std::vector<SerialDevice> list() const = 0;
};

}  // namespace koru
