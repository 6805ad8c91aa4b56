#include "editor/history/HistoryText.h"

#include <QDateTime>

#include <algorithm>

#include "model/SendHistory.h"
#include "platform/widgets/WidgetText.h"
#include "protocol/SendGroupTable.h"

namespace koru {

const QString kOnlyThisLibrary = QStringLiteral("The history knows only what was sent from this library.");

QString ShownTime(const std::string& isoTime, bool seconds) {
    const QString text = ToWidgetText(isoTime);
    const QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid()) return text;
    return time.toLocalTime().toString(seconds ? QStringLiteral("yyyy-MM-dd HH:mm:ss")
                                               : QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString GroupCaption(const std::string& name) {
    const SendGroupDescription* group = FindSendGroup(name);
    return group != nullptr ? QString::fromLatin1(group->caption) : ToWidgetText(name);
}

QString UnitLabel(const UnitConfiguration& config) {
    const std::string& alias = config.unit.alias;
    return ToWidgetText(alias.empty() ? config.unit.id : config.unit.id + "(" + alias + ")");
}

std::optional<std::string> HistoryIdOf(const UnitConfiguration& config, QString& whyNone) {
    if (config.unit.id.empty()) {
        whyNone = QStringLiteral("No unit is open, so there is no send history to show.");
        return std::nullopt;
    }
    std::optional<std::string> id = HistoryUnitId(config.unit.id);
    if (!id) {
        whyNone = QStringLiteral("The unit's ID \"%1\" is no unit number, so it has no send history.")
                      .arg(ToWidgetText(config.unit.id));
    }
    return id;
}

QString ProblemsNote(SendHistory& history) {
    QStringList lines;
    // The history words its problems in UTF-8, as the library does (they quote paths).
    for (const std::string& problem : history.takeProblems()) lines << QString::fromStdString(problem);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace koru
