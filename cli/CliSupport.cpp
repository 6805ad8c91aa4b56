#include "cli/CliSupport.h"

#include <cstdio>

#include "cli/Commands.h"
#include "model/UnitFile.h"

namespace koru::cli {

bool LoadFilesInOrder(const QStringList& files, UnitConfiguration& config) {
    for (const QString& file : files) {
        if (auto error = LoadUnitFile(file.toLocal8Bit().toStdString(), config)) {
            PrintError(error->describe());
            return false;
        }
    }
    return true;
}

std::optional<int> ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments, const char* command) {
    const std::string name = std::string("korucfg ") + command;
    QStringList commandLine = arguments;
    if (commandLine.size() > 1) commandLine.removeAt(1);  // the parser takes the first argument as the program
    if (!parser.parse(commandLine)) {
        PrintError(name + ": " + parser.errorText().toStdString());
        return kExitUsage;
    }
    if (parser.isSet("help")) {
        const QString usage = QString::fromStdString(name) + " [options]";
        WriteStdout(parser.helpText().replace("korucfg [options]", usage).toStdString());
        return kExitOk;
    }
    return std::nullopt;
}

void WriteStdout(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void PrintError(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace koru::cli
