#pragma once

// What the unit library commands of korucfg (units, new, delete) share: the --library and --help
// options, and the library they name.

#include <QCommandLineParser>
#include <QStringList>

#include <optional>
#include <string>

#include "model/UnitLibrary.h"

namespace koru::cli {

// Parses a library command's own arguments (after the command name) into `parser`, with the command's
// `options` and --library and --help. Returns the exit status when the command must stop (help printed,
// or a usage error printed with `usage`), nullopt when it goes on. The help shows `description` after the
// usage.
std::optional<int> ParseLibraryCommand(QCommandLineParser& parser, const QStringList& arguments,
                                       const QString& usage, QList<QCommandLineOption> options = {},
                                       const QString& description = {});

// The library under --library DIR, else beside the program or in the user's data folder (LocateLibrary).
UnitLibrary LibraryFrom(const QCommandLineParser& parser);

// The same, when its units can be listed; otherwise prints why and returns nullopt.
std::optional<UnitLibrary> ReadableLibraryFrom(const QCommandLineParser& parser);

// Prints "korucfg: " and the message, then the usage; returns the usage error status.
int UsageError(const std::string& message, const QString& usage);

// A command-line text as the 8-bit text of the system's code page.
std::string LocalBytes(const QString& text);

// Prints "korucfg: " and the message on standard error.
void PrintLibraryError(const std::string& message);

}  // namespace koru::cli
