#pragma once

// File names compared the way the file system underneath compares them, so the library never mistakes
// the file it just wrote for another one (or the other way round).

#include <string_view>

namespace koru {

// True when both names name the same file: byte for byte where names are case-sensitive (Linux), ignoring
// the letter case where the file system does (Windows, macOS).
bool FileNamesEqual(std::string_view a, std::string_view b);

// True when `name` has something before `extension` (".kuf", ".kdf") and ends with it, compared as above.
bool HasExtension(std::string_view name, std::string_view extension);

}  // namespace koru
