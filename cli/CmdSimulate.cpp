#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <chrono>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "protocol/link/UnitSimulator.h"

namespace koru::cli {

namespace {

constexpr std::chrono::milliseconds kLingerAfterSession{2000};

bool readCount(const QCommandLineParser& parser, const QCommandLineOption& option, int& target) {
    if (!parser.isSet(option)) return true;
    bool ok = false;
    target = parser.value(option).toInt(&ok);
    return ok && target >= 0;
}

}  // namespace

// Answers like a unit on a new pseudo-terminal. Prints the device path to send to, then serves until it
// is killed, or with --once until a session's end or abort line arrives (or the line is hung up).
int runSimulate(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Answer like a KORU unit on a pseudo-terminal; prints its device path.");
    parser.addHelpOption();
    const QCommandLineOption silentFrom("silent-from", "Answer nothing from packet K on.", "K");
    const QCommandLineOption errorAt("error-at", "Report error \"E12;\" at packet K.", "K");
    const QCommandLineOption mismatchAt("mismatch-at", "Answer packet K with differing counts.", "K");
    const QCommandLineOption hangUpAt("hang-up-at", "Hang up when packet K arrives.", "K");
    const QCommandLineOption split("split", "Send each answer in two chunks.");
    const QCommandLineOption delay("delay", "Answer after MS milliseconds.", "MS");
    const QCommandLineOption answerStartEnd("answer-start-end", "Acknowledge the start and end lines too.");
    const QCommandLineOption transcript("transcript", "Write every received byte to FILE.", "FILE");
    const QCommandLineOption once("once", "Stop after one session's end or abort line.");
    parser.addOptions({silentFrom, errorAt, mismatchAt, hangUpAt, split, delay, answerStartEnd, transcript, once});
    if (auto status = ParseCommandLine(parser, arguments, "simulate")) return *status;
    SimulatorOptions options;
    int delayMs = 0;
    if (!readCount(parser, silentFrom, options.silentFrom) || !readCount(parser, errorAt, options.errorAt) ||
        !readCount(parser, mismatchAt, options.mismatchAt) || !readCount(parser, hangUpAt, options.hangUpAt) ||
        !readCount(parser, delay, delayMs) || !parser.positionalArguments().isEmpty()) {
        PrintError("korucfg simulate: packet numbers and delays are whole numbers, no FILE is taken");
        return kExitUsage;
    }
    options.delay = std::chrono::milliseconds(delayMs);
    options.splitReplies = parser.isSet(split);
    options.answerStartEnd = parser.isSet(answerStartEnd);
    options.transcriptPath = parser.value(transcript).toStdString();

    UnitSimulator unit(options);
    std::string error;
    if (!unit.open(error)) {
        PrintError("korucfg simulate: " + error);
        return kExitFailed;
    }
    if (parser.isSet(once)) {
        // Stay on the line a moment after the end line, as a unit does, so the sender can finish its own
        // pause and close the port first; its hang-up then ends the simulator at once.
        QObject::connect(&unit, &UnitSimulator::sessionEnded,
                         [] { QTimer::singleShot(kLingerAfterSession, [] { QCoreApplication::exit(kExitOk); }); });
        QObject::connect(&unit, &UnitSimulator::hungUp, [] { QCoreApplication::exit(kExitOk); });
    }
    WriteStdout(unit.devicePath() + "\n");
    return QCoreApplication::exec();
}

}  // namespace koru::cli
