#pragma once

// A file path as a message names it: quoted, in the Windows-1252 bytes that messages are written in. A
// character of the path that Windows-1252 cannot hold shows as "?" (only in the message; the path itself is
// used as it is).

#include <string>

namespace koru {

// `path` is in the file system's encoding.
std::string MessagePath(const std::string& path);

}  // namespace koru
