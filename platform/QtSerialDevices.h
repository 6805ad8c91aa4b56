#pragma once

// The serial devices QSerialPortInfo reports, as it reports them (pseudo-terminals are not among them).

#include "platform/SerialDevices.h"

namespace koru {

class QtSerialDevices : public SerialDevices {
public:
    std::vector<SerialDevice> list() const override;
};

}  // namespace koru
