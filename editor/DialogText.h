#pragma once

// The window's dialogs take their texts as Windows-1252 bytes, like every unit text they quote; the library
// and the file loads word their messages in UTF-8 (paths, reasons). This turns such a message into the
// dialogs' bytes: a character Windows-1252 cannot hold (only a path can bring one) shows as "?" in the
// message, which changes nothing but the message.

#include <string>

namespace koru {

std::string DialogText(const std::string& utf8);

}  // namespace koru
