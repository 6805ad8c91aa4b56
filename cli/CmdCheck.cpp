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
    if (auto status = ParseCommandLine(parser, arguments, "check")) return *status;
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
