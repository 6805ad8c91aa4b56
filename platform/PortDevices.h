#pragma once

// Which device a port number (COM1 to COM3) names.

#include <string>

#include "platform/SettingsStore.h"

namespace koru {

inline constexpr const char* kLinkSection = "serialsetup";

// On Windows "COM1" to "COM3"; elsewhere "/dev/ttyS0" to "/dev/ttyS2" unless the store maps the port to
// another device ("ComDevice1" to "ComDevice3" in the link's section).
std::string DeviceForPort(int number, const SettingsStore& store);

}  // namespace koru
