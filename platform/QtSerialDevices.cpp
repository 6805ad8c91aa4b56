#include "platform/QtSerialDevices.h"

#include <QSerialPortInfo>

namespace koru {

std::vector<SerialDevice> QtSerialDevices::list() const {
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        devices.push_back({info.systemLocation().toStdString(), info.description().toStdString(),
                           info.manufacturer().toStdString()});
    }
    return devices;
}

}  // namespace koru
