#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "protocol/UnitCheck.h"

namespace koru::cli {

// Lists, one line each, what would make the unit receive something other than what the editor shows.
int runCheck(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Load FILEs in order over a new configuration and list what a send would not carry as shown.");
    parser.addHelpOption();
    parser.addPositionalArgument("FILE", "Unit, default or parameter files, loaded in order.", "FILE...");
    QStringList commandLine = arguments;
    if (commandLine.size() > 1) commandLine.removeAt(1);  // the command name
    if (!parser.parse(commandLine)) {
        PrintError("korucfg check: " + parser.errorText().toStdString());
        return kExitUsage;
    }
    if (parser.isSet("help")) {
        WriteStdout(parser.helpText().replace("korucfg [options]", "korucfg check [options]").toStdString());
        return kExitOk;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        PrintError("korucfg check: no FILE given");
        return kExitUsage;
    }
    UnitConfiguration config;
    if (!LoadFilesInOrder(files, config)) return kExitUsage;

    const std::vector<CheckFinding> findings = CheckUnit(config);
    std::string report;
    for (const CheckFinding& finding : findings) report += DescribeFinding(finding) + "\n";
    WriteStdout(report);
    return findings.empty() ? kExitOk : kExitFailed;
}

}  // namespace koru::cli
