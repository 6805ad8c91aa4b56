#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "model/UnitFile.h"

namespace koru::cli {

// korucfg normalize FILE...: the unit file that saving the loaded configuration would write.
int runNormalize(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Starts from a new configuration, loads each FILE in order over it (a unit or default file, then\n"
        "parameter files) and prints the whole configuration as a unit file, byte for byte.");
    parser.addHelpOption();
    parser.addPositionalArgument("FILE", "unit, default or parameter files, applied in order", "FILE...");
    if (auto status = ParseCommandLine(parser, arguments, "normalize")) return *status;
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        PrintError("korucfg normalize: give at least one FILE");
        return kExitUsage;
    }
    UnitConfiguration config;
    if (!LoadFilesInOrder(files, config)) return kExitUsage;
    WriteStdout(UnitFileText(config));
    return kExitOk;
}

}  // namespace koru::cli
