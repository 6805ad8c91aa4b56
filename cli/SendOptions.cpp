#include "cli/SendOptions.h"

#include <QRegularExpression>

#include "cli/CliSupport.h"
#include "protocol/SendGroupTable.h"

namespace koru::cli {

namespace {

constexpr double kLargestRetransmissionMs = 2500;

// A retransmission time: a plain decimal number of milliseconds from 0 to 2500.
bool IsRetransmissionTime(const QString& text) {
    static const QRegularExpression decimal(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+(\\.[0-9]+)?")));
    return decimal.match(text).hasMatch() && text.toDouble() <= kLargestRetransmissionMs;
}

}  // namespace

SendOptions::SendOptions()
    : select("select",
             QString::fromStdString("Groups to send, comma-separated: " + SendGroupNameList() + " (default all)."),
             "LIST"),
      retransMin("retrans-min", "Minimum retransmission time in ms, 0 to 2500 (default 200).", "MS", "200"),
      retransMax("retrans-max", "Maximum retransmission time in ms, 0 to 2500 (default 600).", "MS", "600") {}

void SendOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({select, retransMin, retransMax});
    parser.addPositionalArgument("FILE", "Unit, default or parameter files, loaded in order.", "FILE...");
}

bool SendOptions::apply(const QCommandLineParser& parser, const std::string& command, SendSelection& selection,
                        UnitConfiguration& config) const {
    SendGroups groups = SendGroups::All();
    if (parser.isSet(select)) {
        std::string unknown;
        const auto parsed = ParseSendGroups(parser.value(select).toStdString(), &unknown);
        if (!parsed) {
            PrintError(command + ": unknown group \"" + unknown + "\"; known: " + SendGroupNameList());
            return false;
        }
        groups = *parsed;
    }
    for (const QCommandLineOption* option : {&retransMin, &retransMax}) {
        const QString value = parser.value(*option);
        if (!IsRetransmissionTime(value)) {
            PrintError(command + ": --" + option->names().front().toStdString() +
                       " takes milliseconds from 0 to 2500, not \"" + value.toStdString() + "\"");
            return false;
        }
    }
    selection = SendSelection::Of(groups);
    if (!LoadFilesInOrder(parser.positionalArguments(), config)) return false;
    config.radio.retransmissionMinTime = parser.value(retransMin).toStdString();
    config.radio.retransmissionMaxTime = parser.value(retransMax).toStdString();
    return true;
}

}  // namespace koru::cli
