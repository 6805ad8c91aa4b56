#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/LibraryCommand.h"

namespace koru::cli {

// Prints the unit entries of the library, one per line, in the order the editor lists them.
int runUnits(const QStringList& arguments) {
    const QString usage = "Usage: korucfg units [--library DIR]";
    QCommandLineParser parser;
    if (auto status = ParseLibraryCommand(parser, arguments, usage)) return *status;
    if (!parser.positionalArguments().isEmpty()) return UsageError("units takes no file names.", usage);
    const std::optional<UnitLibrary> library = ReadableLibraryFrom(parser);
    if (!library) return kExitFailed;
    std::string out;
    for (const std::string& entry : library->RefreshUnitLists().units) out += ShownText(entry) + "\n";
    WriteStdout(out);
    return kExitOk;
}

}  // namespace koru::cli
