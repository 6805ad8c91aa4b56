#pragma once

// Reading and writing whole unit files (".kuf"), default files (".kdf") and parameter files (".kpf").
// All three share one line syntax; a load applies only the settings the file names.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/UnitConfiguration.h"

namespace koru {

// A file larger than this is no unit, default or parameter file (a full unit is about 16 KiB), and is
// refused before it is read whole.
inline constexpr std::size_t kLargestUnitFile = 8 * 1024 * 1024;

// A file that starts with these bytes is UTF-8 text; it is read as Windows-1252 after conversion.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Where and why a load or save failed.
struct FileError {
    std::string file;    // the path as given
    int line = 0;        // 1-based line of the failing line; 0 when the file itself failed
    std::string reason;  // UTF-8 text for people; texts quoted from the file are converted into it

    // "FILE:LINE: reason"; the line is 0 when the file itself could not be read or written.
    std::string describe() const;
};

// What a load is for. Opening reads a unit file as it stands. Importing applies a file over the open unit
// (a parameter file, every file after the first on korucfg's command line, the default file a new unit
// starts from): its Unit section is ignored, so the open unit keeps its ID, alias and type.
enum class LoadKind { Open, Import };

// Applies the bytes of one file over `config`. All or nothing: on failure `config` is unchanged.
// `fileName` only labels the error. Refused are files with content but no known section heading (not a
// unit file: random bytes, UTF-16 text, lines ended by CR alone) and UTF-8 files (they start with a
// byte-order mark) that hold a character Windows-1252 cannot hold; other UTF-8 files are converted to
// Windows-1252. An empty or comments-only file holds nothing and changes nothing.
std::optional<FileError> LoadUnitText(std::string_view bytes, UnitConfiguration& config,
                                      const std::string& fileName = {}, LoadKind kind = LoadKind::Open);

// Reads the file at `path` and applies it as LoadUnitText does. A file larger than kLargestUnitFile is
// refused without being read whole.
std::optional<FileError> LoadUnitFile(const std::string& path, UnitConfiguration& config,
                                      LoadKind kind = LoadKind::Open);

// The bytes of a whole unit file: all sections in order, CR LF line ends.
std::string UnitFileText(const UnitConfiguration& config);

// Writes the whole unit file to `path` atomically (the old file stays until the new one is complete).
// The unit folder is not tidied here; the unit library does that.
std::optional<FileError> WriteUnitFile(const std::string& path, const UnitConfiguration& config);

}  // namespace koru
