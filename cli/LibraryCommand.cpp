#include "cli/LibraryCommand.h"

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "platform/LibraryLocation.h"

namespace koru::cli {

namespace {

const QString kLibraryOption = QStringLiteral("library");
const QString kHelpOption = QStringLiteral("help");

}  // namespace

std::optional<int> ParseLibraryCommand(QCommandLineParser& parser, const QStringList& arguments,
                                       const QString& usage, QList<QCommandLineOption> options,
                                       const QString& description) {
    options.append({kLibraryOption,
                    "The library folder (default: beside the program, or the per-user library when installed).",
                    "DIR"});
    options.append({{"h", kHelpOption}, "Show this help."});
    parser.addOptions(options);
    // The parser takes the first argument as the program; here that is "korucfg COMMAND".
    QStringList own = arguments.mid(2);
    own.prepend(arguments.mid(0, 2).join(' '));
    if (!parser.parse(own)) {
        PrintLibraryError(LocalBytes(parser.errorText()));
        PrintError(LocalBytes(usage));
        return kExitUsage;
    }
    if (parser.isSet(kHelpOption)) {
        QString help = usage + (description.isEmpty() ? QString() : "\n\n" + description) + "\n\nOptions:\n";
        for (const QCommandLineOption& option : options) {
            QString names;
            for (const QString& name : option.names()) {
                if (!names.isEmpty()) names += ", ";
                names += (name.size() == 1 ? "-" : "--") + name;
            }
            if (!option.valueName().isEmpty()) names += " " + option.valueName();
            help += "  " + names.leftJustified(20) + " " + option.description() + "\n";
        }
        WriteStdout(LocalBytes(help));
        return kExitOk;
    }
    return std::nullopt;
}

UnitLibrary LibraryFrom(const QCommandLineParser& parser) { return LocateLibrary(parser.value(kLibraryOption)); }

std::optional<UnitLibrary> ReadableLibraryFrom(const QCommandLineParser& parser) {
    UnitLibrary library = LibraryFrom(parser);
    if (const auto problem = library.UnitsFolderProblem()) {
        PrintLibraryError(*problem);
        return std::nullopt;
    }
    return library;
}

int UsageError(const std::string& message, const QString& usage) {
    PrintLibraryError(message);
    PrintError(LocalBytes(usage));
    return kExitUsage;
}

std::string LocalBytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

void PrintLibraryError(const std::string& message) { PrintError("korucfg: " + message); }

}  // namespace koru::cli
