#include "cli/CliSupport.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/Commands.h"
#include "model/UnitFile.h"
#include "model/Windows1252.h"

namespace koru::cli {

namespace {

// The first reason a write to standard output failed; empty while none has.
std::string& OutputFailure() {
    static std::string failure;
    return failure;
}

void NoteOutputFailure() {
    if (OutputFailure().empty()) OutputFailure() = std::strerror(errno);
}

}  // namespace

bool LoadFilesInOrder(const QStringList& files, UnitConfiguration& config) {
    for (qsizetype i = 0; i < files.size(); ++i) {
        const LoadKind kind = i == 0 ? LoadKind::Open : LoadKind::Import;
        if (auto error = LoadUnitFile(files[i].toLocal8Bit().toStdString(), config, kind)) {
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
        // Qt names the program by the path it was started with; the usage names the command as it is typed.
        QString help = parser.helpText();
        const QString startedAs = "Usage: " + QCoreApplication::arguments().value(0);
        if (help.startsWith(startedAs)) help.replace(0, startedAs.size(), "Usage: " + QString::fromStdString(name));
        WriteStdout(help.toStdString());
        return kExitOk;
    }
    return std::nullopt;
}

std::optional<std::string> InvalidArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        QStringDecoder decode(QStringDecoder::System);
        const QString text = decode(QByteArray(argv[i]));
        if (decode.hasError()) {
            return "korucfg: argument " + std::to_string(i) +
                   " is not valid text in the locale's character encoding; give it in that encoding.";
        }
    }
    return std::nullopt;
}

std::optional<std::string> UnitTextOf(const QString& argument, const std::string& what) {
    const QByteArray utf8 = argument.toUtf8();
    std::string bytes;
    if (const auto problem = Utf8ToWindows1252(std::string_view(utf8.constData(), utf8.size()), bytes)) {
        PrintError("korucfg: the " + what + " \"" + argument.toLocal8Bit().toStdString() +
                   "\" cannot be used: " + problem->describe() + ", which unit files and units use.");
        return std::nullopt;
    }
    return bytes;
}

std::string ShownText(std::string_view windows1252) {
    return QString::fromStdString(Windows1252ToUtf8(windows1252)).toLocal8Bit().toStdString();
}

void WriteStdout(const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
        NoteOutputFailure();
    }
}

bool FinishOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) NoteOutputFailure();
    if (OutputFailure().empty()) return true;
    PrintError("korucfg: cannot write to standard output: " + OutputFailure());
    return false;
}

void PrintError(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace koru::cli
