#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace koru {

// Writes `bytes` to a temporary file beside `path` and moves it over `path` only when it is complete.
// On failure the old file is untouched and the result holds the reason.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace koru
