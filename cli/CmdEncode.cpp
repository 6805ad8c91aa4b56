#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/SendOptions.h"
#include "protocol/SessionPlanner.h"

namespace koru::cli {

// Prints, byte for byte, what a send of the loaded unit writes when the unit acknowledges every packet at
// once; what the technician would be shown goes to standard error.
int runEncode(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Load FILEs in order over a new configuration and print the bytes a send writes to the unit.");
    parser.addHelpOption();
    const SendOptions sendOptions;
    sendOptions.addTo(parser);
    if (auto status = ParseCommandLine(parser, arguments, "encode")) return *status;
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        PrintError("korucfg encode: no FILE given");
        return kExitUsage;
    }

    SendSelection selection;
    UnitConfiguration config;
    if (!sendOptions.apply(parser, "korucfg encode", selection, config)) return kExitUsage;

    const SessionTranscript transcript = PlanSession(config, selection);
    for (const std::string& line : transcript.diagnostics) PrintError(line);
    WriteStdout(transcript.bytes);
    return transcript.saved() ? kExitOk : kExitFailed;
}

}  // namespace koru::cli
