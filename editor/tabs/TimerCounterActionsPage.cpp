#include "editor/tabs/TimerCounterActionsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "editor/ChoiceBox.h"

namespace koru {

namespace {

// One row that makes an action: its caption, the timer or counter number, an optional value (and unit), and
// the create button.
struct ActionRow {
    const char* caption;
    std::string_view value;  // empty when the row takes no value
    std::string_view unit;   // empty when the value has no unit
};

QGroupBox* ActionFrame(FieldFactory& factory, QWidget* parent, const QString& caption, std::string_view number,
                       std::string_view create, std::initializer_list<ActionRow> rows, std::string_view list,
                       std::string_view remove) {
    QGroupBox* frame = factory.group(parent, caption);
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const ActionRow& entry : rows) {
        const QString text = QString::fromLatin1(entry.caption);
        const QString name = text.chopped(1);
        ChoiceBox* nr = factory.choice(frame, number, row, name + QLatin1String(": number"));
        grid->addWidget(FieldFactory::caption(frame, text, nr), row, 0);
        grid->addWidget(nr, row, 1);
        if (!entry.value.empty()) {
            QLineEdit* value = factory.text(frame, entry.value, -1, name + QLatin1String(": value"));
            value->setMinimumWidth(FieldWidth(value, 10));
            grid->addWidget(value, row, 2);
        }
        if (!entry.unit.empty()) grid->addWidget(factory.choice(frame, entry.unit, -1, name + QLatin1String(": unit")), row, 3);
        grid->addWidget(factory.button(frame, create, row, QStringLiteral("&Create action"), name + QLatin1String(": Create action")),
                        row, 4);
        ++row;
    }
    QListWidget* defined = factory.list(frame, list, -1, 10, caption + QLatin1String(" actions"));
    defined->setMaximumHeight(QWIDGETSIZE_MAX);
    grid->addWidget(defined, row, 0, 1, 6);
    grid->setRowStretch(row++, 1);
    grid->addWidget(factory.button(frame, remove, -1, QStringLiteral("&Delete action")), row, 0, 1, 5, Qt::AlignLeft);
    grid->setColumnStretch(5, 1);
    return frame;
}

}  // namespace

TimerCounterActionsPage::TimerCounterActionsPage(FieldFactory& factory, QWidget* parent)
    : TabPage(factory, "fraTimerCounterAction", parent) {
    QWidget* page = content();
    auto* columns = new QHBoxLayout(page);
    columns->addWidget(ActionFrame(factory, page, QStringLiteral("Timer"), "cmbTimerNr", "cmdCreateTimerAction",
                                   {{"Set time:", "txtTimeAction", "cmbUnitAction"},
                                    {"Restart timer:", {}, {}},
                                    {"Start timer:", {}, {}},
                                    {"Stop timer:", {}, {}}},
                                   "lstTimerActions", "cmdDeleteTimerAction"));
    columns->addWidget(ActionFrame(factory, page, QStringLiteral("Counter"), "cmbCounterNr", "cmdCreateCounterrAction",
                                   {{"Set limit:", "txtCountAction", {}},
                                    {"Reset counter:", {}, {}},
                                    {"Increase counter:", "txtIncCount", {}},
                                    {"Decrease counter:", "txtDecCount", {}}},
                                   "lstCounterActions", "cmdDeleteCounterAction"));
}

}  // namespace koru
