#pragma once

// File names as the library sees them: Windows-1252 text like every name inside a unit file, converted to
// and from the file system's own encoding here and nowhere else, and compared the way the file system
// underneath compares them, so the library never mistakes the file it just wrote for another one.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace koru {

// The longest unit file name, in bytes of the file system's encoding: a file name may have 255, and a
// save first writes a temporary file whose name is 11 bytes longer.
inline constexpr std::size_t kLongestFileName = 240;

// The file system's name for a Windows-1252 name: UTF-8 on Linux and macOS, UTF-16 on Windows. Every
// Windows-1252 name has one.
std::filesystem::path FileSystemName(std::string_view name);

// The Windows-1252 name of a file system name; nullopt when it is not valid in the file system's
// encoding, holds a character Windows-1252 cannot hold, or holds a control character. No unit, alias or
// type has such a name, so such a file is none of the library's.
std::optional<std::string> NameFromFileSystem(const std::filesystem::path& name);

// A path as UTF-8 text for a message.
std::string PathForMessage(const std::filesystem::path& path);

// True when both names name the same file: byte for byte where names are case-sensitive (Linux), ignoring
// the letter case where the file system does (Windows, macOS).
bool FileNamesEqual(std::string_view a, std::string_view b);

// True when `name` has something before `extension` (".kuf", ".kdf") and ends with it, compared as above.
bool HasExtension(std::string_view name, std::string_view extension);

}  // namespace koru
