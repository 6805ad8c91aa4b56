#include "editor/history/SendHistoryDialog.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editor/history/HistoryText.h"
#include "editor/history/HistoryWidgets.h"
#include "model/SendHistory.h"
#include "platform/widgets/WidgetText.h"
#include "protocol/LastSend.h"

namespace koru {

SendHistoryDialog::SendHistoryDialog(const UnitConfiguration& unit, const std::filesystem::path& libraryRoot,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSendHistory"));
    setWindowTitle(QStringLiteral("Send history"));
    setAttribute(Qt::WA_DeleteOnClose);

    QString whyNone;
    const std::optional<std::string> unitId = HistoryIdOf(unit, whyNone);
    SendHistory history(libraryRoot);
    if (unitId) {
        const std::vector<SendLogEntry> entries = EntriesOf(history.readLog(), *unitId);
        sessions_.assign(entries.rbegin(), entries.rend());
    }

    auto* layout = new QVBoxLayout(this);
    const HistoryTable sessions =
        AddHistoryTable(this, layout, "Sessions", QStringLiteral("Sessions"),
                        {QStringLiteral("Time"), QStringLiteral("Device"), QStringLiteral("Groups"),
                         QStringLiteral("Verdict"), QStringLiteral("Program")});
    sessionTable_ = sessions.table;
    if (!unitId) {
        sessions.label->setText(whyNone);
    } else if (sessions_.empty()) {
        sessions.label->setText(
            QStringLiteral("Unit %1 was never sent from this library.").arg(UnitLabel(unit)));
    } else {
        sessions.label->setText(QStringLiteral("&Sessions to unit %1 from this library, newest first (%2):")
                                    .arg(UnitLabel(unit))
                                    .arg(sessions_.size()));
    }
    for (const SendLogEntry& entry : sessions_) {
        const LastSend summary = SummaryOf(entry);
        AddRow(sessionTable_,
               {ShownTime(entry.time, true), ToWidgetText(entry.device),
                QStringLiteral("%1 of %2 acknowledged").arg(summary.acknowledged).arg(summary.selected),
                ToWidgetText(entry.verdict).trimmed(), ToWidgetText(entry.program)});
    }
    FitColumns(sessionTable_);

    const HistoryTable outcomes =
        AddHistoryTable(this, layout, "Outcomes", QStringLiteral("Outcomes of the session"),
                        {QStringLiteral("Group"), QStringLiteral("Outcome")});
    outcomes.label->setText(QStringLiteral("&Outcomes of the session picked above:"));
    outcomeTable_ = outcomes.table;

    AddHistoryFoot(this, layout, ProblemsNote(history));
    if (sessions_.empty()) {
        for (QWidget* part : {static_cast<QWidget*>(sessionTable_), static_cast<QWidget*>(outcomes.label),
                              static_cast<QWidget*>(outcomeTable_)}) {
            part->hide();
        }
    } else {
        resize(820, 560);
    }

    connect(sessionTable_, &QTableWidget::currentCellChanged, this, [this](int row) { showOutcomes(row); });
    if (!sessions_.empty()) sessionTable_->selectRow(0);
}

void SendHistoryDialog::showOutcomes(int row) {
    outcomeTable_->setRowCount(0);
    if (row < 0 || row >= static_cast<int>(sessions_.size())) return;
    for (const GroupOutcome& outcome : sessions_[static_cast<std::size_t>(row)].outcomes) {
        AddRow(outcomeTable_, {GroupCaption(outcome.group), ToWidgetText(outcome.outcome)});
    }
    FitColumns(outcomeTable_);
}

}  // namespace koru
