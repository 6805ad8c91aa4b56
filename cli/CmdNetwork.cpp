#include <QCommandLineParser>

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/LibraryCommand.h"
#include "cli/NetworkText.h"
#include "model/AliasFixes.h"
#include "model/LibraryNetwork.h"
#include "model/NetworkTexts.h"

namespace koru::cli {

namespace {

// What --fix-aliases will change, one line per old entry under the unit that holds it.
std::string plannedChanges(const std::vector<AliasFix>& fixes) {
    std::string out = "Entries with an old alias, to be rewritten:\n";
    for (const AliasFix& fix : fixes) {
        out += ShownText(fix.unitEntry) + ":\n";
        for (const EntryRename& rename : fix.renames) {
            std::string keys;
            for (const std::string& setting : rename.settings) keys += (keys.empty() ? "" : ", ") + setting;
            out += "  " + ShownText(rename.oldEntry) + " -> " + ShownText(rename.newEntry) + " (" + keys + ")\n";
        }
    }
    return out;
}

// Asks on the terminal whether to go on; nullopt when there is no terminal to ask on.
std::optional<bool> askOnTerminal(std::size_t files) {
    if (::isatty(STDIN_FILENO) == 0) return std::nullopt;
    const std::string question = AliasFixQuestion(files) + " [y/N] ";
    std::fputs(question.c_str(), stderr);
    std::fflush(stderr);
    std::string answer;
    std::getline(std::cin, answer);
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}

// korucfg network --fix-aliases: lists the old entries, asks (or takes --yes), rewrites them.
int fixAliases(const NetworkMap& map, const UnitLibrary& library, bool yes) {
    const std::vector<AliasFix> fixes = PlanAliasFixes(map);
    if (fixes.empty()) {
        WriteStdout("No entry carries an old alias; nothing to rewrite.\n");
        return kExitOk;
    }
    WriteStdout(plannedChanges(fixes));
    if (!yes) {
        const std::optional<bool> agreed = askOnTerminal(fixes.size());
        if (!agreed) {
            PrintLibraryError("Nothing changed: there is no terminal to ask on; give --yes to rewrite the entries.");
            return kExitFailed;
        }
        if (!*agreed) {
            WriteStdout("Nothing changed.\n");
            return kExitFailed;
        }
    }
    const AliasFixOutcome outcome = ApplyAliasFixes(library.unitsFolder(), fixes);
    for (const std::string& failure : outcome.failures) PrintLibraryError(failure);
    WriteStdout(AliasFixSummary(outcome) + "\n");
    return outcome.failures.empty() ? kExitOk : kExitFailed;
}

}  // namespace

// The library's radio network: the tree of units under their upper units and every inconsistency of the links.
int runNetwork(const QStringList& arguments) {
    const QString usage = "Usage: korucfg network [--library DIR] [--dot | --fix-aliases [--yes]]";
    QCommandLineParser parser;
    const QList<QCommandLineOption> options{
        {"dot", "Print the network as a Graphviz graph, problem links in red."},
        {"fix-aliases", "Rewrite the entries that carry a unit's old alias, after listing them and asking."},
        {"yes", "With --fix-aliases: rewrite without asking."},
    };
    if (auto status = ParseLibraryCommand(parser, arguments, usage, options)) return *status;
    const bool fix = parser.isSet("fix-aliases");
    if (!parser.positionalArguments().isEmpty() || (fix && parser.isSet("dot")) || (!fix && parser.isSet("yes"))) {
        PrintLibraryError("network takes no file names; --yes goes with --fix-aliases, which --dot does not.");
        PrintError(LocalBytes(usage));
        return kExitUsage;
    }
    const UnitLibrary library = LibraryFrom(parser);
    if (const auto problem = library.UnitsFolderProblem()) {
        PrintLibraryError(*problem);
        return kExitUsage;
    }
    LibraryNetwork network(library.unitsFolder());
    network.Update();
    const NetworkMap& map = network.map();
    if (fix) return fixAliases(map, library, parser.isSet("yes"));
    WriteStdout(parser.isSet("dot") ? NetworkDotText(map) : NetworkTreeText(map));
    return map.problemCount() > 0 ? kExitFailed : kExitOk;
}

}  // namespace koru::cli
