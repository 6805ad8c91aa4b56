#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/LibraryCommand.h"
#include "model/UnitConfiguration.h"
#include "model/UnitName.h"

namespace koru::cli {

// Creates a unit from the default file of its type, as the new-unit dialog does, and prints the path of
// its unit file. An existing ID is replaced only with --replace.
int runNew(const QStringList& arguments) {
    const QString usage = "Usage: korucfg new --id ID [--alias ALIAS] --type TYPE [--replace] [--library DIR]";
    QCommandLineParser parser;
    const QList<QCommandLineOption> options{
        {"id", "The unit ID number, up to 10 digits (padded with zeros).", "ID"},
        {"alias", "The unit's name (default: the padded ID).", "ALIAS"},
        {"type", "The type of unit: the name of a default file without \".kdf\".", "TYPE"},
        {"replace", "Replace the unit that has this ID already."},
    };
    if (auto status = ParseLibraryCommand(parser, arguments, usage, options)) return *status;
    if (!parser.isSet("id") || !parser.isSet("type") || !parser.positionalArguments().isEmpty()) {
        PrintLibraryError("new needs --id and --type, and takes no file names.");
        PrintError(LocalBytes(usage));
        return kExitUsage;
    }

    const std::optional<std::string> id = UnitTextOf(parser.value("id"), "ID");
    const std::optional<std::string> alias = UnitTextOf(parser.value("alias"), "alias");
    const std::optional<std::string> type = UnitTextOf(parser.value("type"), "type");
    if (!id || !alias || !type) return kExitFailed;

    const UnitLibrary library = LibraryFrom(parser);
    library.RemoveUnfinishedSaves();
    UnitConfiguration config;
    const Consent replace = parser.isSet("replace") ? Consent::Given : Consent::NotYet;
    const LibraryResult result = library.NewUnit(*id, *alias, *type, config, replace);
    switch (result.status) {
    case LibraryStatus::Done:
        if (!result.message.empty()) PrintLibraryError(result.message);
        WriteStdout(result.file.string() + "\n");
        return kExitOk;
    case LibraryStatus::NeedsConfirmation:
        PrintLibraryError("The unit ID " + PadUnitId(*id) + " already exists; give --replace to replace it.");
        return kExitFailed;
    case LibraryStatus::NotDone:
    case LibraryStatus::Refused:
    case LibraryStatus::Failed:
        break;
    }
    PrintLibraryError(result.message);
    return kExitFailed;
}

}  // namespace koru::cli
