#pragma once

// Reading and writing whole unit files (".kuf"), default files (".kdf") and parameter files (".kpf").
// All three share one line syntax; a load applies only the settings the file names.

#include <optional>
#include <string>
#include <string_view>

#include "model/UnitConfiguration.h"

namespace koru {

// Where and why a load or save failed.
struct FileError {
    std::string file;    // the path as given
    int line = 0;        // 1-based line of the failing line; 0 when the file itself failed
    std::string reason;

    // "FILE:LINE: reason"; the line is 0 when the file itself could not be read or written.
    std::string describe() const;
};

// Applies the bytes of one file over `config`. All or nothing: on failure `config` is unchanged.
// `fileName` only labels the error.
std::optional<FileError> LoadUnitText(std::string_view bytes, UnitConfiguration& config,
                                      const std::string& fileName = {});

// Reads the file at `path` and applies it as LoadUnitText does.
std::optional<FileError> LoadUnitFile(const std::string& path, UnitConfiguration& config);

// The bytes of a whole unit file: all sections in order, CR LF line ends.
std::string UnitFileText(const UnitConfiguration& config);

// Writes the whole unit file to `path` atomically (the old file stays until the new one is complete).
// The unit folder is not tidied here; the unit library does that.
std::optional<FileError> WriteUnitFile(const std::string& path, const UnitConfiguration& config);

}  // namespace koru
