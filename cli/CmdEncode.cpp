#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "protocol/SendBoxNames.h"
#include "protocol/SessionPlanner.h"

namespace koru::cli {

// Prints, byte for byte, what a send of the loaded unit writes when the unit acknowledges every packet at
// once; what the technician would be shown goes to standard error.
int runEncode(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Load FILEs in order over a new configuration and print the bytes a send writes to the unit.");
    parser.addHelpOption();
    const QCommandLineOption select(
        "select", QString::fromStdString("Groups to send, comma-separated: " + SendBoxNameList() + " (default all)."),
        "LIST");
    const QCommandLineOption retransMin("retrans-min", "Minimum retransmission time in ms (default 200).", "MS", "200");
    const QCommandLineOption retransMax("retrans-max", "Maximum retransmission time in ms (default 600).", "MS", "600");
    parser.addOptions({select, retransMin, retransMax});
    parser.addPositionalArgument("FILE", "Unit, default or parameter files, loaded in order.", "FILE...");

    QStringList commandLine = arguments;
    if (commandLine.size() > 1) commandLine.removeAt(1);  // the command name
    if (!parser.parse(commandLine)) {
        PrintError("korucfg encode: " + parser.errorText().toStdString());
        return kExitUsage;
    }
    if (parser.isSet("help")) {
        WriteStdout(parser.helpText().replace("korucfg [options]", "korucfg encode [options]").toStdString());
        return kExitOk;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        PrintError("korucfg encode: no FILE given");
        return kExitUsage;
    }

    SendSelection::Boxes boxes;
    if (parser.isSet(select)) {
        std::string unknown;
        const auto parsed = ParseSendBoxes(parser.value(select).toStdString(), &unknown);
        if (!parsed) {
            PrintError("korucfg encode: unknown group \"" + unknown + "\"; known: " + SendBoxNameList());
            return kExitUsage;
        }
        boxes = *parsed;
    }

    UnitConfiguration config;
    if (!LoadFilesInOrder(files, config)) return kExitUsage;
    config.radio.retransmissionMinTime = parser.value(retransMin).toStdString();
    config.radio.retransmissionMaxTime = parser.value(retransMax).toStdString();

    const SessionTranscript transcript = PlanSession(config, SendSelection::fromBoxes(boxes));
    for (const std::string& line : transcript.diagnostics) PrintError(line);
    WriteStdout(transcript.bytes);
    return transcript.saved() ? kExitOk : kExitFailed;
}

}  // namespace koru::cli
