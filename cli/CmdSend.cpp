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
#include "platform/MemorySettingsStore.h"
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
    const QCommandLineOption port("port",
                                  "Serial device to send over: a device path, or COM1, COM2 or COM3 for the "
                                  "device chosen for that port in the window's settings dialog (by default "
                                  "/dev/ttyS0, /dev/ttyS1, /dev/ttyS2), with the line settings and time-out "
                                  "stored there.",
                                  "DEVICE");
    const QCommandLineOption settings(
        "settings", "Line settings (default 9600,n,8,1; with a COM port those stored by the window).", "S",
        kDefaultPortSettings);
    const QCommandLineOption timeout(
        "timeout",
        "Reply time-out in ms, 1000 to 3600000 (default 3000; with a COM port the one stored by the window).",
        "MS", "3000");
    parser.addOptions({port, settings, timeout});
    const SendHistoryOptions historyOptions;
    historyOptions.addTo(parser);
    const SendOptions sendOptions;
    sendOptions.addTo(parser);
    if (auto status = ParseCommandLine(parser, arguments, "send")) return *status;
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || !parser.isSet(port) || parser.value(port).isEmpty()) {
        PrintError(files.isEmpty() ? "korucfg send: no FILE given" : "korucfg send: no --port DEVICE given");
        return kExitUsage;
    }
    // A COM port sends as the window would: its device, line settings and time-out as the settings
    // dialog stored them, unless the options say otherwise.
    const QtSettingsStore userSettings;
    const auto [portNumber, device] = ResolvePort(parser.value(port), userSettings);
    const bool stored = portNumber != 0;
    const std::string lineSettings = stored && !parser.isSet(settings) ? StoredLineSettings(userSettings)
                                                                       : parser.value(settings).toStdString();
    if (!PortSettings::parse(lineSettings)) {
        PrintError("korucfg send: " + std::string(parser.isSet(settings) ? "settings" : "the stored settings") +
                   " \"" + lineSettings + "\" are not baud,parity,data bits,stop bits");
        return kExitUsage;
    }
    std::optional<long> timeoutMs;
    if (stored && !parser.isSet(timeout)) {
        timeoutMs = StoredReplyTimeout(userSettings).count();
    } else {
        timeoutMs = replyTimeout(parser.value(timeout));
        if (!timeoutMs) {
            PrintError("korucfg send: --timeout takes whole milliseconds from " +
                       std::to_string(timing::kMinimumReplyTimeout.count()) + " to " +
                       std::to_string(timing::kMaximumReplyTimeout.count()) + ", not \"" +
                       parser.value(timeout).toStdString() + "\"");
            return kExitUsage;
        }
    }
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

    MemorySettingsStore store;
    CliMessageBoxes messages;
    const std::unique_ptr<SendStack> stack = SendStack::Live(messages, store, config);
    SerialLink& link = stack->link();
    SendSession& send = stack->send();
    link.setPort(stored ? portNumber : 1, device);
    PortError ignored;  // the settings were checked above
    link.setLineSettings(lineSettings, ignored);
    link.setReplyTimeout(std::chrono::milliseconds(*timeoutMs));
    if (stored) {
        PrintError("korucfg send: COM" + std::to_string(portNumber) + " is " + device + ", " + link.lineSettings() +
                   ", reply time-out " + std::to_string(link.replyTimeout().count()) + " ms");
    }

    // The history is written before the end of the session is reported, so the verdict stays last.
    const SendRecorder* recorder = SendRecorder::Attach(*stack, libraryRoot, "korucfg");
    QObject::connect(recorder, &SendRecorder::problem,
                     [](const QString& problem) { PrintError("korucfg send: " + problem.toStdString()); });

    QObject::connect(&send, &SendSession::groupSent, [&](Record record, bool written) {
        PrintError("korucfg send: [" + std::to_string(send.progress().value + (written ? 1 : 0)) + "/" +
                   std::to_string(selection.count()) + "] record " + std::to_string(RecordNumber(record)) +
                   ": " +
                   (written ? "sent, state " + std::string(SessionState::text(stack->session().get_state()))
                            : "failed"));
    });
    QObject::connect(&link, &SerialLink::portLost, [](const QString& detail) {
        PrintError("korucfg send: connection lost: " + detail.toStdString());
    });

    // An interrupt aborts the session the way the Abort button does: the abort line goes out before the
    // port closes, and the report follows.
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

}  // namespace koru::cli
