#include "editor/history/LastSendPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "editor/history/HistoryText.h"
#include "editor/history/HistoryWidgets.h"
#include "model/SendHistory.h"
#include "platform/widgets/WidgetText.h"
#include "protocol/GroupChanges.h"
#include "protocol/LastSend.h"

namespace koru {

namespace {

// "Last sent 2026-12-07 06:30, 14 of 14 groups acknowledged.", with the verdict when not all went through.
QString LastSendText(LastSend last) {
    const QString verdict = ToWidgetText(last.verdict).trimmed();
    const bool allThrough = last.acknowledged == last.selected;
    last.time = ShownTime(last.time).toStdString();
    QString text = ToWidgetText(DescribeLastSend(last));
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text +
           (allThrough || verdict.isEmpty() ? QStringLiteral(".") : QStringLiteral(" (%1).").arg(verdict));
}

}  // namespace

LastSendPanel::LastSendPanel(const UnitConfiguration& config, std::filesystem::path libraryRoot,
                             QWidget* parent)
    : QGroupBox(QStringLiteral("Send history"), parent),
      config_(config),
      libraryRoot_(std::move(libraryRoot)) {
    setObjectName(QStringLiteral("fraLastSend"));
    lastSend_ = new QLabel(this);
    lastSend_->setObjectName(QStringLiteral("lblLastSend"));
    lastSend_->setWordWrap(true);
    auto* onlyHere = new QLabel(kOnlyThisLibrary, this);
    onlyHere->setObjectName(QStringLiteral("lblOnlyThisLibrary"));
    outcome_ = new QLabel(this);
    outcome_->setObjectName(QStringLiteral("lblTickedChanged"));
    outcome_->setWordWrap(true);
    problems_ = NewHistoryNote(this);
    tickChanged_ = new QPushButton(QStringLiteral("Tick &changed"), this);
    tickChanged_->setObjectName(QStringLiteral("cmdTickChanged"));
    tickChanged_->setAutoDefault(false);
    tickChanged_->setToolTip(QStringLiteral(
        "Ticks exactly the groups whose packets differ from what the unit last acknowledged from "
        "this library, or that it never acknowledged"));

    setFocusProxy(tickChanged_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lastSend_, 0, 0);
    layout->addWidget(onlyHere, 1, 0);
    layout->addWidget(tickChanged_, 0, 1, 2, 1, Qt::AlignTop);
    layout->addWidget(outcome_, 2, 0, 1, 2);
    layout->addWidget(problems_, 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(tickChanged_, &QPushButton::clicked, this, &LastSendPanel::tickChanged);
}

void LastSendPanel::refresh() {
    read(nullptr);
}

void LastSendPanel::tickChanged() {
    std::vector<GroupChange> changes;
    if (!read(&changes)) {
        outcome_->clear();
        return;
    }
    const auto changed = std::count_if(changes.begin(), changes.end(),
                                       [](const GroupChange& change) { return change.changed(); });
    if (changed == 0) {
        outcome_->setText(
            QStringLiteral("Nothing has changed since the unit last acknowledged it; the ticks are "
                           "left as they were."));
        return;
    }
    outcome_->setText(changed == 1 ? QStringLiteral("Ticked the one changed group.")
                                   : QStringLiteral("Ticked the %1 changed groups.").arg(changed));
    emit tickRequested(ChangedGroups(changes));
}

bool LastSendPanel::read(std::vector<GroupChange>* changes) {
    QString whyNone;
    const std::optional<std::string> unitId = HistoryIdOf(config_, whyNone);
    tickChanged_->setEnabled(unitId.has_value());
    if (!unitId) {
        lastSend_->setText(whyNone);
        ShowHistoryNote(problems_, {});
        return false;
    }
    SendHistory history(libraryRoot_);
    const std::optional<LastSend> last = LastSendOf(history.readLog(), *unitId);
    lastSend_->setText(last ? LastSendText(*last) : QStringLiteral("Never sent from this library."));
    if (changes != nullptr) *changes = CompareWithState(config_, history.readState(*unitId));
    ShowHistoryNote(problems_, ProblemsNote(history));
    return true;
}

void LastSendPanel::showEvent(QShowEvent* event) {
    QGroupBox::showEvent(event);
    outcome_->clear();
    refresh();
}

// Back at the dialog after editing in the window: the unit or its history may have changed meanwhile.
void LastSendPanel::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) refresh();
}

}  // namespace koru
