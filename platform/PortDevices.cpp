#include "platform/PortDevices.h"

namespace koru {

std::string DeviceForPort(int number, const SettingsStore& store) {
#ifdef _WIN32
    const std::string fallback = "COM" + std::to_string(number);
#else
    const std::string fallback = "/dev/ttyS" + std::to_string(number - 1);
#endif
    const std::string mapped = store.value(kLinkSection, "ComDevice" + std::to_string(number), "");
    return mapped.empty() ? fallback : mapped;
}

}  // namespace koru
