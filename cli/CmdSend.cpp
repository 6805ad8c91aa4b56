#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <optional>

#include "cli/CliMessageBoxes.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/SendHistoryOptions.h"
#include "cli/SendOptions.h"
#include "platform/InterruptNotifier.h"
#include "platform/PortDevices.h"
#include "platform/PortSettings.h"
#include "platform/QtSettingsStore.h"
#include "protocol/SendPreflight.h"
#include "protocol/link/LinkTimings.h"
#include "protocol/link/SendRecorder.h"
#include "protocol/link/SendStack.h"
#include "protocol/link/StoredLinkSettings.h"

namespace koru::cli {

namespace {

constexpr int kExitBySignal = 128;  // a command ended by signal N exits with 128 + N

// A time-out the link takes as it is: whole milliseconds in its range.
std::optional<long> replyTimeout(const QString& text) {
    bool ok = false;
    const long value = text.toLong(&ok);
    const bool inRange = value >= timing::kMinimumReplyTimeout.count() && value <= timing::kMaximumReplyTimeout.count();
    return ok && inRange ? std::optional<long>(value) : std::nullopt;
}

// "COM1" to "COM3" name a port of the settings dialog: the device chosen for it (the system's own serial
// port of that number when none is stored). Anything else is a device path (number 0).
std::pair<int, std::string> ResolvePort(const QString& port, const SettingsStore& store) {
    for (int number = 1; number <= 3; ++number) {
        if (port.compare(QStringLiteral("COM%1").arg(number), Qt::CaseInsensitive) == 0) {
            return {number, DeviceForPort(number, store)};
        }
    }
    return {0, port.toLocal8Bit().toStdString()};
}

// The end of every session: how it ended when that is not a verdict, the delivery report, and the
// verdict last.
void PrintSessionEnd(const SendSession& send) {
    const std::string& status = send.progress().status;
    if (send.stoppedEarly() && status.empty()) {
        PrintError("Session stopped before the end line");
    } else if (!status.empty() && status != kVerdictSaved && status != kVerdictFailed) {
        PrintError(status);
    }
    PrintError("Delivery report:");
    for (const std::string& line : send.report().lines()) PrintError("  " + line);
    PrintError(send.saved() ? kVerdictSaved : kVerdictFailed);
}

// The line options: the port (a device path, or COM1 to COM3 of the settings dialog), the line settings and the
// reply time-out.
struct LineOptions {
    QCommandLineOption port{"port",
                            "Serial device to send over: a device path, or COM1, COM2 or COM3 for the device chosen "
                            "for that port in the window's settings dialog (by default /dev/ttyS0, /dev/ttyS1, "
                            "/dev/ttyS2), with the line settings and time-out stored there.",
                            "DEVICE"};
    QCommandLineOption settings{"settings",
                                "Line settings (default 9600,n,8,1; with a COM port those stored by the window).", "S",
                                kDefaultPortSettings};
    QCommandLineOption timeout{
        "timeout",
        "Reply time-out in ms, 1000 to 3600000 (default 3000; with a COM port the one stored by the window).", "MS",
        "3000"};
};

// The line a send goes out on.
struct Line {
    int portNumber = 0;  // 1 to 3 for a COM port, 0 for a device path
    std::string device;
    std::string settings;
    long timeoutMs = 0;
};

// A COM port sends as the window would: its device, line settings and time-out as the settings dialog stored
// them, unless the options say otherwise. The exit status when the options cannot make a line.
std::optional<int> ChooseLine(const QCommandLineParser& parser, const LineOptions& options, Line& line) {
    const QtSettingsStore userSettings;
    std::tie(line.portNumber, line.device) = ResolvePort(parser.value(options.port), userSettings);
    const bool stored = line.portNumber != 0;
    line.settings = stored && !parser.isSet(options.settings) ? StoredLineSettings(userSettings)
                                                              : parser.value(options.settings).toStdString();
    if (!PortSettings::parse(line.settings)) {
        PrintError("korucfg send: " + std::string(parser.isSet(options.settings) ? "settings" : "the stored settings") +
                   " \"" + line.settings + "\" are not baud,parity,data bits,stop bits");
        return kExitUsage;
    }
    std::optional<long> timeoutMs;
    if (stored && !parser.isSet(options.timeout)) {
        timeoutMs = StoredReplyTimeout(userSettings).count();
    } else {
        timeoutMs = replyTimeout(parser.value(options.timeout));
        if (!timeoutMs) {
            PrintError("korucfg send: --timeout takes whole milliseconds from " +
                       std::to_string(timing::kMinimumReplyTimeout.count()) + " to " +
                       std::to_string(timing::kMaximumReplyTimeout.count()) + ", not \"" +
                       parser.value(options.timeout).toStdString() + "\"");
            return kExitUsage;
        }
    }
    line.timeoutMs = *timeoutMs;
    return std::nullopt;
}

// One progress line per group, a lost connection, and the end of the session with its exit status; an
// interrupt aborts the session the way the Abort button does: the abort line goes out before the port
// closes, and the report follows.
int RunSession(SendStack& stack, const SendSelection& selection) {
    SendSession& send = stack.send();
    QObject::connect(&send, &SendSession::groupSent, [&](Record record, bool written) {
        PrintError("korucfg send: [" + std::to_string(send.progress().value + (written ? 1 : 0)) + "/" +
                   std::to_string(selection.count()) + "] record " + std::to_string(RecordNumber(record)) +
                   ": " +
                   (written ? "sent, state " + std::string(SessionState::text(stack.session().state()))
                            : "failed"));
    });
    QObject::connect(&stack.link(), &SerialLink::portLost, [](const QString& detail) {
        PrintError("korucfg send: connection lost: " + detail.toStdString());
    });
    InterruptNotifier interrupts;
    int interruptedBy = 0;
    QObject::connect(&send, &SendSession::ended, [&](bool saved) {
        PrintSessionEnd(send);
        QCoreApplication::exit(interruptedBy != 0 ? kExitBySignal + interruptedBy
                               : saved            ? kExitOk
                                                  : kExitFailed);
    });
    QObject::connect(&interrupts, &InterruptNotifier::interrupted, [&](int signalNumber) {
        if (interruptedBy != 0) return;
        interruptedBy = signalNumber;
        if (send.running()) {
            send.pressButton();
        } else {
            QCoreApplication::exit(kExitBySignal + signalNumber);
        }
    });
    QTimer::singleShot(0, [&] {
        if (interruptedBy == 0 && !send.start(selection)) QCoreApplication::exit(kExitFailed);
    });
    return QCoreApplication::exec();
}

}  // namespace

// A live send over a serial device: one progress line per group, the messages, the delivery report and,
// last, the verdict on standard error. Every session is logged in the library's send history.
int runSend(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Load FILEs in order over a new configuration and send it to a unit.\n"
        "A unit that cannot be sent as it stands (what korucfg check lists first) opens no session.\n"
        "Progress, the delivery report of every selected group and, last, the verdict go to standard error.\n"
        "Every session is logged in the library's send history (korucfg history, korucfg diff --sent).\n"
        "Exit status: 0 saved, 1 not saved or not sent, 2 usage or load errors, 130, 143 or 129 after Ctrl+C,\n"
        "SIGTERM or SIGHUP (a closed terminal): the session is aborted with its abort line first.");
    parser.addHelpOption();
    const LineOptions lineOptions;
    parser.addOptions({lineOptions.port, lineOptions.settings, lineOptions.timeout});
    const SendHistoryOptions historyOptions;
    historyOptions.addTo(parser);
    const SendOptions sendOptions;
    sendOptions.addTo(parser);
    if (auto status = ParseCommandLine(parser, arguments, "send")) return *status;
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || !parser.isSet(lineOptions.port) || parser.value(lineOptions.port).isEmpty()) {
        PrintError(files.isEmpty() ? "korucfg send: no FILE given" : "korucfg send: no --port DEVICE given");
        return kExitUsage;
    }
    Line line;
    if (auto status = ChooseLine(parser, lineOptions, line)) return *status;
    SendSelection selection;
    UnitConfiguration config;
    if (!sendOptions.apply(parser, "korucfg send", selection, config)) return kExitUsage;
    std::filesystem::path libraryRoot;
    if (auto status = historyOptions.apply(parser, parser.isSet(sendOptions.select), config, libraryRoot, selection)) {
        return *status;
    }

    // A unit that cannot be sent as it stands opens no session at all.
    const std::vector<CheckFinding> reasons = SendPreflight(config, selection);
    if (!reasons.empty()) {
        PrintError("korucfg send: the unit cannot be sent as it stands; nothing was sent:");
        for (const CheckFinding& reason : reasons) PrintError("  " + DescribeFinding(reason));
        return kExitFailed;
    }

    CliMessageBoxes messages;
    const std::unique_ptr<SendStack> stack = SendStack::Live(messages, config);
    SerialLink& link = stack->link();
    link.setPort(line.portNumber != 0 ? line.portNumber : 1, line.device);
    PortError ignored;  // the settings were checked above
    link.setLineSettings(line.settings, ignored);
    link.setReplyTimeout(std::chrono::milliseconds(line.timeoutMs));
    if (line.portNumber != 0) {
        PrintError("korucfg send: COM" + std::to_string(line.portNumber) + " is " + line.device + ", " +
                   link.lineSettings() + ", reply time-out " + std::to_string(link.replyTimeout().count()) + " ms");
    }
    // The history is written before the end of the session is reported, so the verdict stays last.
    const SendRecorder* recorder = SendRecorder::Attach(*stack, libraryRoot, "korucfg");
    QObject::connect(recorder, &SendRecorder::problem,
                     [](const QString& problem) { PrintError("korucfg send: " + problem.toStdString()); });
    return RunSession(*stack, selection);
}

}  // namespace koru::cli
