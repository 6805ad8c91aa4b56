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

// Serves on a new pseudo-terminal until killed, or with `once` until a session ends.
int Serve(const SimulatorOptions& options, bool once) {
    UnitSimulator unit(options);
    std::string error;
    if (!unit.open(error)) {
        PrintError("korucfg simulate: " + error);
        return kExitFailed;
    }
    if (once) {
        // Stay on the line a moment after the end line, as a unit does, so the sender can finish its own
        // pause and close the port first; its hang-up then ends the simulator at once.
        QObject::connect(&unit, &UnitSimulator::sessionEnded,
                         [] { QTimer::singleShot(kLingerAfterSession, [] { QCoreApplication::exit(kExitOk); }); });
        QObject::connect(&unit, &UnitSimulator::hungUp, [] { QCoreApplication::exit(kExitOk); });
    }
    WriteStdout(unit.devicePath() + "\n");
    return QCoreApplication::exec();
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
    const QCommandLineOption splitEnd("split-end",
                                      "Send the last K bytes of each answer 600 ms after the rest, after the "
                                      "sender's pause, so they arrive in a read of their own (1: the LF alone).",
                                      "K");
    const QCommandLineOption repeatError("repeat-error",
                                         "From the start line on, report error \"E12;\" every MS milliseconds until "
                                         "the session ends; answers go on as usual.",
                                         "MS");
    const QCommandLineOption flood("flood",
                                   "From the start line on, write lines \"OK;\" as fast as the line takes them "
                                   "until the session ends (with --silent-from 1 a unit that says nothing else).");
    const QCommandLineOption delay("delay", "Answer after MS milliseconds.", "MS");
    const QCommandLineOption answerStartEnd("answer-start-end", "Acknowledge the start and end lines too.");
    const QCommandLineOption transcript("transcript", "Write every received byte to FILE.", "FILE");
    const QCommandLineOption once("once", "Stop after one session's end or abort line.");
    parser.addOptions({silentFrom, errorAt, mismatchAt, hangUpAt, split, splitEnd, repeatError, flood, delay,
                       answerStartEnd, transcript, once});
    if (auto status = ParseCommandLine(parser, arguments, "simulate")) return *status;
    SimulatorOptions options;
    int delayMs = 0;
    int repeatMs = 0;
    if (!readCount(parser, silentFrom, options.silentFrom) || !readCount(parser, errorAt, options.errorAt) ||
        !readCount(parser, mismatchAt, options.mismatchAt) || !readCount(parser, hangUpAt, options.hangUpAt) ||
        !readCount(parser, splitEnd, options.lateBytes) || !readCount(parser, repeatError, repeatMs) ||
        !readCount(parser, delay, delayMs) ||
        !parser.positionalArguments().isEmpty()) {
        PrintError("korucfg simulate: packet numbers, counts and delays are whole numbers, no FILE is taken");
        return kExitUsage;
    }
    if (parser.isSet(repeatError) && repeatMs < 1) {
        PrintError("korucfg simulate: --repeat-error takes at least 1 millisecond");
        return kExitUsage;
    }
    options.delay = std::chrono::milliseconds(delayMs);
    options.repeatError = std::chrono::milliseconds(repeatMs);
    options.splitReplies = parser.isSet(split);
    options.flood = parser.isSet(flood);
    options.answerStartEnd = parser.isSet(answerStartEnd);
    options.transcriptPath = parser.value(transcript).toStdString();

    return Serve(options, parser.isSet(once));
}

}  // namespace koru::cli
