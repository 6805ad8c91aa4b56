#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/LibraryCommand.h"

namespace koru::cli {

// Deletes the unit file of one unit entry, as the delete dialog does once the user agrees.
int runDelete(const QStringList& arguments) {
    const QString usage = "Usage: korucfg delete ENTRY [--library DIR]";
    QCommandLineParser parser;
    if (auto status = ParseLibraryCommand(parser, arguments, usage)) return *status;
    const QStringList entries = parser.positionalArguments();
    if (entries.size() != 1 || entries[0].isEmpty()) {
        PrintLibraryError("delete needs one unit entry, such as \"0000000012(Pump)\".");
        PrintError(LocalBytes(usage));
        return kExitUsage;
    }
    const std::optional<std::string> entry = UnitTextOf(entries[0], "unit entry");
    if (!entry) return kExitFailed;
    const LibraryResult result = LibraryFrom(parser).DeleteUnit(*entry, Consent::Given);
    if (result.done()) return kExitOk;
    PrintLibraryError(result.message);
    return kExitFailed;
}

}  // namespace koru::cli
