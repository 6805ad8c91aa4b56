#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "model/ParameterFile.h"

namespace koru::cli {

namespace {

bool ParseSections(const QString& list, ParameterSelection& selection, std::string& unknown) {
    for (const QString& rawName : list.split(',', Qt::SkipEmptyParts)) {
        const QString name = rawName.trimmed();
        if (name == "all") {
            selection = ParameterSelection::All();
            continue;
        }
        bool found = false;
        for (const ParameterRow& row : ParameterRows()) {
            if (name == QLatin1String(row.name)) {
                selection.set(row.section, true);
                found = true;
            }
        }
        if (!found) {
            unknown = name.toStdString();
            return false;
        }
    }
    return true;
}

}  // namespace

// korucfg export --sections LIST FILE...: the parameter file of the chosen sections.
int runExport(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Loads each FILE in order over a new configuration and prints the parameter file of the chosen sections.");
    parser.addHelpOption();
    QStringList names;
    for (const ParameterRow& row : ParameterRows()) names << row.name;
    parser.addOption({"sections", "comma-separated sections to export, or all: " + names.join(", "), "LIST"});
    parser.addPositionalArgument("FILE", "unit, default or parameter files, applied in order", "FILE...");
    if (auto status = ParseCommandLine(parser, arguments, "export")) return *status;
    if (!parser.isSet("sections")) {
        PrintError("korucfg export: --sections LIST is required");
        return kExitUsage;
    }
    ParameterSelection selection;
    std::string unknown;
    if (!ParseSections(parser.value("sections"), selection, unknown)) {
        PrintError("korucfg export: unknown section \"" + unknown + "\"");
        return kExitUsage;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        PrintError("korucfg export: give at least one FILE");
        return kExitUsage;
    }
    UnitConfiguration config;
    if (!LoadFilesInOrder(files, config)) return kExitUsage;
    WriteStdout(ParameterFileText(config, selection));
    return kExitOk;
}

}  // namespace koru::cli
