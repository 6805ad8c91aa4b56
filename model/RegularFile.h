#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace koru {

// Reads a whole regular file of at most `limit` bytes into `bytes`; on failure the reason, such as "cannot
// read the file: Permission denied". The file's type is checked before it is opened: opening a FIFO would wait
// for a writer and opening a serial device would raise its modem lines, so anything but a regular file is
// refused unopened ("cannot read the file: it is a named pipe, not a regular file", "... a socket", "... a device",
// and for a folder "cannot read the file: Is a directory").
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit, std::string& bytes);

}  // namespace koru
