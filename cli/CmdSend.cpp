#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include "cli/CliMessageBoxes.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/SendOptions.h"
#include "platform/MemorySettingsStore.h"
#include "platform/PortDevices.h"
#include "platform/PortSettings.h"
#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"
#include "protocol/link/PacketSender.h"
#include "protocol/link/SendSession.h"

namespace koru::cli {

namespace {

std::optional<long> positiveNumber(const QString& text) {
    bool ok = false;
    const long value = text.toLong(&ok);
    return ok && value > 0 ? std::optional<long>(value) : std::nullopt;
}

}  // namespace

// A live send over any serial device: one progress line per group, the messages and, last, the verdict
// on standard error. The device stands in for COM1; nothing is stored.
int runSend(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Load FILEs in order over a new configuration and send it to a unit.");
    parser.addHelpOption();
    const QCommandLineOption port("port", "Serial device to send over (any path).", "DEVICE");
    const QCommandLineOption settings("settings", "Line settings (default 9600,n,8,1).", "S", kDefaultPortSettings);
    const QCommandLineOption timeout("timeout", "Reply time-out in ms, at least 1000 (default 3000).", "MS", "3000");
    parser.addOptions({port, settings, timeout});
    const SendOptions sendOptions;
    sendOptions.addTo(parser);
    if (auto status = ParseCommandLine(parser, arguments, "send")) return *status;
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || !parser.isSet(port)) {
        PrintError(files.isEmpty() ? "korucfg send: no FILE given" : "korucfg send: no --port DEVICE given");
        return kExitUsage;
    }
    const std::string lineSettings = parser.value(settings).toStdString();
    if (!PortSettings::parse(lineSettings)) {
        PrintError("korucfg send: settings \"" + lineSettings + "\" are not baud,parity,data bits,stop bits");
        return kExitUsage;
    }
    const auto timeoutMs = positiveNumber(parser.value(timeout));
    if (!timeoutMs) {
        PrintError("korucfg send: --timeout needs a number of milliseconds");
        return kExitUsage;
    }
    SendSelection selection;
    UnitConfiguration config;
    if (!sendOptions.apply(parser, "korucfg send", selection, config)) return kExitUsage;

    QtSerialPort serialPort;
    MemorySettingsStore store;
    store.setValue(kLinkSection, "ComDevice1", parser.value(port).toStdString());
    CliMessageBoxes messages;
    QtClock clock;
    SessionState session;
    SerialLink link(serialPort, store, messages, clock, session);
    link.configure(1, lineSettings, std::chrono::milliseconds(*timeoutMs));
    PacketSender sender(link, session, messages, clock);
    SendSession send(link, sender, session, messages, config);

    QObject::connect(&send, &SendSession::groupSent, [&](int record, bool written) {
        PrintError("korucfg send: [" + std::to_string(send.progress().value + (written ? 1 : 0)) + "/" +
                   std::to_string(selection.count()) + "] record " + std::to_string(record) + ": " +
                   (written ? "sent, state " + session.get_state() : "failed"));
    });
    QObject::connect(&link, &SerialLink::portLost, [](const QString& detail) {
        PrintError("korucfg send: connection lost: " + detail.toStdString());
    });
    QObject::connect(&send, &SendSession::finished, [&](bool saved) {
        PrintError(send.progress().status);
        QCoreApplication::exit(saved ? kExitOk : kExitFailed);
    });
    // A failed group stops the session without an end line and without a verdict: the unit got exactly
    // what a dry run shows, and the command ends there.
    QObject::connect(&send, &SendSession::stalled, [&] {
        const std::string status = send.progress().status;
        PrintError(status.empty() ? "Session stopped before the end line" : status);
        QCoreApplication::exit(kExitFailed);
    });
    QTimer::singleShot(0, [&] {
        if (!send.start(selection)) QCoreApplication::exit(kExitFailed);
    });
    return QCoreApplication::exec();
}

}  // namespace koru::cli
