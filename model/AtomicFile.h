#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace koru {

// Writes `bytes` to a temporary file beside `path` and moves it over `path` only when it is complete.
// On failure the old file is untouched and the result holds the reason.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether `name` is the temporary file of a save of `fileExtension` files (".kuf") that never finished:
// a save that was killed leaves it behind.
bool IsUnfinishedSave(std::string_view name, std::string_view fileExtension);


}  // namespace koru
