#pragma once

// Pieces every korucfg command shares: loading files in order and writing bytes unchanged.

#include <QCommandLineParser>
#include <QStringList>

#include <optional>
#include <string>

#include "model/UnitConfiguration.h"

namespace koru::cli {

// Loads each file in order over `config`, as opening a unit and then importing parameter files over it.
// On the first failure prints "FILE:LINE: reason" on standard error and returns false.
bool LoadFilesInOrder(const QStringList& files, UnitConfiguration& config);

// Parses a command's arguments (the program name, `command`, then its own arguments) into `parser`, whose
// options, --help among them, are already added. Returns the exit status when the command stops there:
// its help printed, or a parse error reported as "korucfg COMMAND: ..."; nullopt when it goes on.
std::optional<int> ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments, const char* command);

// Writes bytes to standard output exactly as they are (no newline translation, no encoding).
void WriteStdout(const std::string& bytes);

// Prints one line on standard error.
void PrintError(const std::string& line);

}  // namespace koru::cli
