#include <QCommandLineParser>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/LibraryCommand.h"
#include "model/SendHistory.h"
#include "model/SettingsDiff.h"
#include "model/UnitFile.h"
#include "protocol/GroupChanges.h"

namespace koru::cli {

namespace {

const QString kUsage = "Usage: korucfg diff FILE1 FILE2\n       korucfg diff --sent [--library DIR] FILE...";

// One line per differing setting: "Section, +Subsection, Key: "first" | "second"".
std::string SettingLines(const std::vector<SettingDifference>& differences, const std::string& columns) {
    if (differences.empty()) return {};
    std::string out = "Settings that differ (" + columns + "):\n";
    for (const SettingDifference& difference : differences) {
        std::string line = "  " + difference.section + ", ";
        if (!difference.subsection.empty()) line += difference.subsection + ", ";
        line += difference.key + ": \"" + difference.first + "\" | \"" + difference.second + "\"";
        out += ShownText(line) + "\n";
    }
    return out;
}

std::string GroupLine(const SendGroupDescription& group) {
    return "  " + std::string(group.name) + " (" + group.caption + ")";
}

int DiffFiles(const QString& firstFile, const QString& secondFile) {
    UnitConfiguration first;
    UnitConfiguration second;
    if (!LoadFilesInOrder({firstFile}, first) || !LoadFilesInOrder({secondFile}, second)) return kExitUsage;
    const std::vector<SettingDifference> settings = DiffSettings(first, second);
    const std::vector<const SendGroupDescription*> groups = GroupsThatDiffer(PlanRecordPackets(first), PlanRecordPackets(second));
    std::string out = SettingLines(settings, LocalBytes(firstFile) + " | " + LocalBytes(secondFile));
    if (!groups.empty()) {
        out += "Groups whose packets differ:\n";
        for (const SendGroupDescription* group : groups) out += GroupLine(*group) + "\n";
    }
    WriteStdout(out);
    return settings.empty() && groups.empty() ? kExitOk : kExitFailed;
}

// The unit against what it last acknowledged from the library: settings against the unit file of the newest
// acknowledged send, groups against the packets each one last acknowledged.
int DiffSent(const UnitLibrary& library, const QStringList& files) {
    UnitConfiguration now;
    if (!LoadFilesInOrder(files, now)) return kExitUsage;
    const std::optional<std::string> unitId = HistoryUnitId(now.unit.id);
    if (!unitId) {
        PrintLibraryError("the unit's ID \"" + ShownText(now.unit.id) + "\" is no unit number, so it has no history.");
        return kExitUsage;
    }
    SendHistory history(library.root());
    const UnitSendState state = history.readState(*unitId);
    const std::vector<std::string> problems = history.takeProblems();
    for (const std::string& problem : problems) PrintLibraryError(problem);
    if (!problems.empty()) return kExitUsage;

    std::string out;
    std::vector<SettingDifference> settings;
    if (const UnitFileCopy* sent = state.newestUnitFile()) {
        UnitConfiguration asSent;
        if (auto error = LoadUnitText(sent->text, asSent, history.stateFile(*unitId).string())) {
            PrintLibraryError(error->describe());
            return kExitUsage;
        }
        settings = DiffSettings(asSent, now);
        out += SettingLines(settings, "as sent " + sent->time + " | now");
    } else {
        out += "Nothing was acknowledged by unit " + *unitId + " from this library.\n";
    }
    bool changed = false;
    for (const GroupChange& change : CompareWithState(now, state)) {
        if (!change.changed()) continue;
        if (!changed) out += "Changed groups:\n";
        changed = true;
        out += GroupLine(*change.group) + ": " + DescribeChange(change) + "\n";
    }
    WriteStdout(out);
    return settings.empty() && !changed ? kExitOk : kExitFailed;
}

}  // namespace

// Compares two units, or a unit with what it last acknowledged: the settings that differ, then the groups
// of the send dialog whose packets differ. Exit 0 when they are the same, 1 when they differ, 2 on trouble.
int runDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption sent("sent", "Compare FILEs, loaded in order, with what the unit last acknowledged "
                                          "from the library.");
    const QString description =
        "Prints the settings that differ (section, subsection, key, the value in each), then the groups of the\n"
        "send dialog whose packets differ. With --sent, FILEs (loaded in order) are compared with what the unit\n"
        "last acknowledged from the library: a group has changed when its packets differ from those it last\n"
        "acknowledged, when it never was, or when a later session wrote to it unconfirmed.\n"
        "Exit status: 0 the same (nothing printed), 1 different, 2 trouble.";
    if (auto status = ParseLibraryCommand(parser, arguments, kUsage, {sent}, description)) return *status;
    const QStringList files = parser.positionalArguments();
    if (!parser.isSet(sent)) {
        return files.size() == 2 ? DiffFiles(files[0], files[1]) : UsageError("diff needs two FILEs.", kUsage);
    }
    if (files.isEmpty()) return UsageError("diff --sent needs a FILE.", kUsage);
    const std::optional<UnitLibrary> library = ReadableLibraryFrom(parser);
    return library ? DiffSent(*library, files) : kExitUsage;
}

}  // namespace koru::cli
