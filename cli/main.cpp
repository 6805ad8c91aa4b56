#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "platform/BuildInfo.h"

namespace {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList&);
};

constexpr Command kCommands[] = {
    {"normalize", "load unit and parameter files in order and print the unit file saving would write",
     koru::cli::runNormalize},
    {"export", "load files and print the parameter file of the chosen sections", koru::cli::runExport},
    {"encode", "print the bytes a send writes when the unit acknowledges every packet", koru::cli::runEncode},
    {"check", "list what would make the unit receive something other than what the editor shows",
     koru::cli::runCheck},
    {"units", "list the unit entries of the library", koru::cli::runUnits},
    {"new", "create a unit from its default file", koru::cli::runNew},
    {"delete", "delete a unit file of the library", koru::cli::runDelete},
    {"network", "show the library's radio network as a tree and list its inconsistencies", koru::cli::runNetwork},
    {"send", "send a configuration to a unit over a serial device", koru::cli::runSend},
    {"history", "list the sessions the library's send log holds", koru::cli::runHistory},
    {"diff", "compare two units, or a unit with what it last acknowledged", koru::cli::runDiff},
    {"simulate", "answer like a unit on a pseudo-terminal", koru::cli::runSimulate},
};

void printUsage(FILE* to) {
    QTextStream out(to);
    out << "Usage: korucfg COMMAND [OPTIONS] [FILE...]\n\n"
        << "KORU Configurator on the command line: dry runs, checks, batch sends and a unit simulator.\n\n"
        << "Commands:\n";
    for (const Command& command : kCommands) {
        out << "  " << QString::fromLatin1(command.name).leftJustified(11) << command.summary << "\n";
    }
    out << "\nkorucfg COMMAND --help shows the options of one command; korucfg --version the version.\n"
        << "Exit status: 0 success, 1 the operation ran but failed, 2 usage or load errors.\n";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("korucfg");
    QCoreApplication::setApplicationVersion(koru::kVersion);
    if (const auto invalid = koru::cli::InvalidArgument(argc, argv)) {
        koru::cli::PrintError(*invalid);
        return koru::cli::kExitUsage;
    }
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 2 && (arguments[1] == "--version" || arguments[1] == "-v")) {
        QTextStream(stdout) << "korucfg " << QCoreApplication::applicationVersion() << "\n";
        return koru::cli::kExitOk;
    }
    if (arguments.size() < 2 || arguments[1] == "--help" || arguments[1] == "-h" || arguments[1] == "help") {
        printUsage(arguments.size() < 2 ? stderr : stdout);
        return arguments.size() < 2 ? koru::cli::kExitUsage : koru::cli::kExitOk;
    }
    for (const Command& command : kCommands) {
        if (arguments[1] == QLatin1String(command.name)) {
            const int status = command.run(arguments);
            return koru::cli::FinishOutput() || status != koru::cli::kExitOk ? status : koru::cli::kExitFailed;
        }
    }
    QTextStream(stderr) << "korucfg: unknown command \"" << arguments[1] << "\"\n\n";
    printUsage(stderr);
    return koru::cli::kExitUsage;
}
