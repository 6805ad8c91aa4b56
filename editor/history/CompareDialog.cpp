#include "editor/history/CompareDialog.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editor/history/HistoryText.h"
#include "editor/history/HistoryWidgets.h"
#include "model/SendHistory.h"
#include "model/SettingsDiff.h"
#include "model/UnitFile.h"
#include "platform/widgets/WidgetText.h"
#include "protocol/GroupChanges.h"

namespace koru {

namespace {

// "Radio, Channel", "Timer, +Timer2, Interval": as korucfg diff names a setting.
QString SettingName(const SettingDifference& difference) {
    std::string name = difference.section + ", ";
    if (!difference.subsection.empty()) name += difference.subsection + ", ";
    return ToWidgetText(name + difference.key);
}

// The core's reason, with its time as the window shows times.
QString ChangeText(GroupChange change) {
    if (!change.since.empty()) change.since = ShownTime(change.since).toStdString();
    return ToWidgetText(DescribeChange(change));
}

}  // namespace

CompareDialog::CompareDialog(const UnitConfiguration& now, const std::filesystem::path& libraryRoot,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCompareLastSend"));
    setWindowTitle(QStringLiteral("Compare with last send"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 520);

    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("lblSummary"));
    summary->setWordWrap(true);
    layout->addWidget(summary);

    QString whyNone;
    const std::optional<std::string> unitId = HistoryIdOf(now, whyNone);
    SendHistory history(libraryRoot);
    if (unitId) {
        const UnitSendState state = history.readState(*unitId);
        summary->setText(showSettings(now, state, layout));
        showGroups(now, state, layout);
    } else {
        summary->setText(whyNone);
    }

    AddHistoryFoot(this, layout, ProblemsNote(history));
}

QString CompareDialog::showSettings(const UnitConfiguration& now, const UnitSendState& state,
                                    QVBoxLayout* layout) {
    const QString unit = UnitLabel(now);
    const UnitFileCopy* sent = state.newestUnitFile();
    if (sent == nullptr) {
        return QStringLiteral(
                   "Unit %1 was never sent from this library (or never acknowledged what was sent), so "
                   "every group counts as changed.")
            .arg(unit);
    }
    UnitConfiguration asSent;
    if (const auto error = LoadUnitText(sent->text, asSent, "the unit file of the last send")) {
        return QStringLiteral(
                   "The unit file that unit %1 last acknowledged cannot be read (%2), so no settings are "
                   "compared.")
            .arg(unit, QString::fromStdString(error->describe()));
    }
    const std::vector<SettingDifference> differences = DiffSettings(asSent, now);
    const HistoryTable settings =
        AddHistoryTable(this, layout, "Settings", QStringLiteral("Settings that differ"),
                        {QStringLiteral("Setting"), QStringLiteral("As sent"), QStringLiteral("Now")});
    settings.label->setText(differences.empty()
                                ? QStringLiteral("&Settings: none differs from the last acknowledged send.")
                                : QStringLiteral("&Settings that differ (%1):").arg(differences.size()));
    for (const SettingDifference& difference : differences) {
        AddRow(settings.table,
               {SettingName(difference), ToWidgetText(difference.first), ToWidgetText(difference.second)});
    }
    FitColumns(settings.table);
    return QStringLiteral(
               "Unit %1 as it is now, against the unit file it last acknowledged from this library "
               "(sent %2).")
        .arg(unit, ShownTime(sent->time));
}

void CompareDialog::showGroups(const UnitConfiguration& now, const UnitSendState& state,
                               QVBoxLayout* layout) {
    const HistoryTable groups =
        AddHistoryTable(this, layout, "ChangedGroups", QStringLiteral("Changed groups"),
                        {QStringLiteral("Group"), QStringLiteral("Why")});
    int changed = 0;
    for (const GroupChange& change : CompareWithState(now, state)) {
        if (!change.changed()) continue;
        ++changed;
        AddRow(groups.table, {QString::fromLatin1(change.group->caption), ChangeText(change)});
    }
    groups.label->setText(changed == 0
                              ? QStringLiteral("Changed &groups: none, every group is as the unit last "
                                               "acknowledged it.")
                              : QStringLiteral("Changed &groups (%1):").arg(changed));
    FitColumns(groups.table);
}

}  // namespace koru
