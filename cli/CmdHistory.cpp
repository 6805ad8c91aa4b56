#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/LibraryCommand.h"
#include "model/SendHistory.h"
#include "protocol/LastSend.h"

namespace koru::cli {

namespace {

// "TIME  ID(ALIAS)  DEVICE  PROGRAM  VERDICT  group: outcome; ..." in the log's Windows-1252 text.
std::string HistoryLine(const SendLogEntry& entry) {
    std::string outcomes;
    for (const GroupOutcome& outcome : entry.outcomes) {
        if (!outcomes.empty()) outcomes += "; ";
        outcomes += outcome.group + ": " + outcome.outcome;
    }
    const std::string unit = entry.alias.empty() ? entry.unitId : entry.unitId + "(" + entry.alias + ")";
    return entry.time + "  " + unit + "  " + entry.device + "  " + entry.program + "  " +
           entry.verdict + "  " + outcomes;
}

}  // namespace

// Prints the send log of the library, oldest first: every session, or those to one unit.
int runHistory(const QStringList& arguments) {
    const QString usage = "Usage: korucfg history [--library DIR] [ID]";
    QCommandLineParser parser;
    const QString description =
        "Prints the send log of the library, oldest first, one line per session (all units, or the unit ID):\n"
        "when it ended, the unit, the device, the program, the verdict and what became of each group.\n"
        "Damaged lines of the log are skipped and said on standard error.";
    if (auto status = ParseLibraryCommand(parser, arguments, usage, {}, description)) return *status;
    const QStringList ids = parser.positionalArguments();
    std::optional<std::string> unitId;
    if (ids.size() > 1) return UsageError("history takes one unit ID at most.", usage);
    if (ids.size() == 1 && !(unitId = HistoryUnitId(LocalBytes(ids.front())))) {
        return UsageError("\"" + LocalBytes(ids.front()) + "\" is no unit ID.", usage);
    }
    const std::optional<UnitLibrary> library = ReadableLibraryFrom(parser);
    if (!library) return kExitFailed;
    SendHistory history(library->root());
    const SendLogContents log = history.readLog();
    for (const std::string& problem : history.takeProblems()) PrintLibraryError(problem);
    if (log.problem) return kExitFailed;
    std::string out;
    for (const SendLogEntry& entry : unitId ? EntriesOf(log, *unitId) : log.entries) {
        out += ShownText(HistoryLine(entry)) + "\n";
    }
    WriteStdout(out);
    return kExitOk;
}

}  // namespace koru::cli
