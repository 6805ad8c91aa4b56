#pragma once

// Pieces every korucfg command shares: loading files in order, writing bytes unchanged, and the one place
// where command-line texts meet the unit's Windows-1252 text.

#include <QCommandLineParser>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

#include "model/UnitConfiguration.h"

namespace koru::cli {

// Loads each file in order over `config`: the first as opening a unit, the others imported over it (their
// Unit sections are ignored). On the first failure prints "FILE:LINE: reason" on standard error and
// returns false.
bool LoadFilesInOrder(const QStringList& files, UnitConfiguration& config);

// Parses a command's arguments (the program name, `command`, then its own arguments) into `parser`, whose
// options, --help among them, are already added. Returns the exit status when the command stops there:
// its help printed, or a parse error reported as "korucfg COMMAND: ..."; nullopt when it goes on.
std::optional<int> ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments, const char* command);

// Why an argument of the program is not text in the locale's encoding (a raw byte 0xFC where UTF-8 is
// expected), as a message; nullopt when every argument is. Such an argument would reach a unit file as
// a replacement character, so the program refuses it before any command runs.
std::optional<std::string> InvalidArgument(int argc, char** argv);

// A text given on the command line for the unit (an ID, alias, type or unit entry) as Windows-1252 text.
// A character Windows-1252 cannot hold is refused: "korucfg: the WHAT ... cannot be used: ..." is printed
// and the result is nullopt.
std::optional<std::string> UnitTextOf(const QString& argument, const std::string& what);

// The unit's Windows-1252 text (a unit entry) for people, in the locale's encoding.
std::string ShownText(std::string_view windows1252);

// Writes bytes to standard output exactly as they are (no newline translation, no encoding). A failed
// write is remembered for FinishOutput.
void WriteStdout(const std::string& bytes);

// Flushes standard output; when anything written to it was lost (a full disk, a closed pipe), prints why
// on standard error and returns false, so no command passes lost output off as success.
bool FinishOutput();

// Prints one line on standard error. Messages of the library and of loads are UTF-8 text for people, as
// the locale wants them.
void PrintError(const std::string& line);

}  // namespace koru::cli
