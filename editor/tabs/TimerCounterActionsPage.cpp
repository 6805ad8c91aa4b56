#include "editor/tabs/TimerCounterActionsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/ChoiceBox.h"
#include "editor/ListBox.h"

namespace koru {

namespace {

// One row that makes an action: its caption, and its value field and unit where it has them.
struct ActionRow {
    const char* caption;
    const EditorField* value = nullptr;
    const EditorField* unit = nullptr;
};

// What one frame makes: its number drop-downs, create and delete buttons and its list of actions.
struct ActionFrame {
    const char* caption;
    const EditorField& number;
    const ButtonControl& create;
    std::array<ActionRow, 4> rows;
    const TextList& actions;
    const ButtonControl& remove;
};

QGroupBox* BuildFrame(FieldFactory& factory, QWidget* parent, const ActionFrame& made, ActionMakerControls& controls) {
    const QString frameCaption = QString::fromLatin1(made.caption);
    QGroupBox* frame = factory.group(parent, frameCaption);
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const ActionRow& entry : made.rows) {
        const QString text = QString::fromLatin1(entry.caption);
        const QString name = text.chopped(1);
        ChoiceBox* number = factory.choice(frame, made.number, row, name + QLatin1String(": number"));
        controls.numbers[static_cast<std::size_t>(row)] = number;
        grid->addWidget(FieldFactory::caption(frame, text, number), row, 0);
        grid->addWidget(number, row, 1);
        if (entry.value != nullptr) {
            QLineEdit* value = factory.text(frame, *entry.value, -1, name + QLatin1String(": value"));
            value->setMinimumWidth(FieldWidth(value, 10));
            controls.values[static_cast<std::size_t>(row)] = value;
            grid->addWidget(value, row, 2);
        }
        if (entry.unit != nullptr) {
            controls.unit = factory.choice(frame, *entry.unit, -1, name + QLatin1String(": unit"));
            factory.checkTogether(controls.values[static_cast<std::size_t>(row)], controls.unit);
            grid->addWidget(controls.unit, row, 3);
        }
        QPushButton* create = factory.button(frame, made.create, row, name + QLatin1String(": Create action"));
        controls.create[static_cast<std::size_t>(row)] = create;
        grid->addWidget(create, row, 4);
        ++row;
    }
    controls.actions = factory.list(frame, made.actions, 10, frameCaption + QLatin1String(" actions"));
    controls.actions->setMaximumHeight(QWIDGETSIZE_MAX);
    grid->addWidget(controls.actions, row, 0, 1, 6);
    grid->setRowStretch(row++, 1);
    controls.remove = factory.button(frame, made.remove);
    grid->addWidget(controls.remove, row, 0, 1, 5, Qt::AlignLeft);
    grid->setColumnStretch(5, 1);
    return frame;
}

}  // namespace

TimerCounterActionsPage::TimerCounterActionsPage(FieldFactory& factory, QWidget* parent)
    : TabPage(factory, controls::kTimerCounterActionsTab, parent) {
    QWidget* page = content();
    auto* columns = new QHBoxLayout(page);
    const ActionFrame timers{"Timer",
                             controls::kTimerNumbers,
                             controls::kCreateTimerAction,
                             {{{"Set time:", &controls::kTimeAction, &controls::kTimeUnitAction},
                               {"Restart timer:"},
                               {"Start timer:"},
                               {"Stop timer:"}}},
                             factory.values().timerActions,
                             controls::kDeleteTimerAction};
    columns->addWidget(BuildFrame(factory, page, timers, timers_));
    const ActionFrame counters{"Counter",
                               controls::kCounterNumbers,
                               controls::kCreateCounterAction,
                               {{{"Set limit:", &controls::kCountAction},
                                 {"Reset counter:"},
                                 {"Increase counter:", &controls::kIncreaseAction},
                                 {"Decrease counter:", &controls::kDecreaseAction}}},
                               factory.values().counterActions,
                               controls::kDeleteCounterAction};
    columns->addWidget(BuildFrame(factory, page, counters, counters_));
}

}  // namespace koru
