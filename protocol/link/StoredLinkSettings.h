#pragma once

// What the settings dialog keeps in the settings store between runs, read the way its load reads it,
// so that `korucfg send --port COMn` uses the same line as the window.

#include <chrono>
#include <string>

#include "platform/SettingsStore.h"

namespace koru {

// "ComPortS": the line settings, "9600,n,8,1" when none are stored.
std::string StoredLineSettings(const SettingsStore& store);

// "TOslider": the reply time-out in milliseconds, 3000 when missing or not a whole number. Not clamped:
// the link takes it into its range.
std::chrono::milliseconds StoredReplyTimeout(const SettingsStore& store);

// "ComPortP": the port number 1 to 3, 1 when missing or out of range.
int StoredPortNumber(const SettingsStore& store);

}  // namespace koru
