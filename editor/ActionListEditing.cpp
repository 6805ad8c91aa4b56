#include "editor/ActionListEditing.h"

#include <QLineEdit>
#include <QPushButton>

#include "editor/ChoiceBox.h"
#include "editor/FieldText.h"
#include "editor/ListBox.h"
#include "editor/ListSelection.h"
#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "editor/dialogs/AddActionDialog.h"
#include "model/ActionEntries.h"
#include "model/EventTable.h"

namespace koru {

namespace {

TextList& MessageActions(UnitConfiguration& config) { return config.messageActions.actions; }
TextList& OutputFlagActions(UnitConfiguration& config) { return config.outputFlagActions; }
TextList& TimerActions(UnitConfiguration& config) { return config.timerActions; }
TextList& CounterActions(UnitConfiguration& config) { return config.counterActions; }

}  // namespace

ActionListEditing::ActionListEditing(MainWindow& window) : QObject(&window), window_(window) {
    window_.onPage(WindowTab::MessageActions, this, [this] { connectMessageButtons(); });
    window_.onPage(WindowTab::OutputFlagActions, this, [this] { connectOutputFlagButtons(); });
    window_.onPage(WindowTab::TimerCounterActions, this, [this] { connectTimerCounterButtons(); });
    window_.onEveryPage(this, [this](WindowTab) { connectEventButtons(); });
}

void ActionListEditing::addDefined(DefinedList list, const std::optional<std::string>& entry) {
    if (!entry) return;
    window_.edit(QStringLiteral("New action"),
                 [&](UnitConfiguration& config) { return AppendUnique(list(config), *entry); });
}

void ActionListEditing::connectMessageButtons() {
    const MessageActionControls& message = window_.controls().messageActions;
    OnClicked(message.create, this, [this, message] {
        const std::optional<std::string> destination = SelectedEntry(message.destinations);
        addDefined(MessageActions, MessageActionEntry(FieldText(message.messageNumber), destination.value_or("")));
    });
    connectDeleteButton(message.remove, message.actions, MessageActions);
}

void ActionListEditing::connectOutputFlagButtons() {
    const OutputFlagActionControls& outputFlag = window_.controls().outputFlagActions;
    OnClicked(outputFlag.create, this, [this, outputFlag] {
        std::array<Text, kOutputFlagCells> cells;
        for (std::size_t cell = 0; cell < cells.size(); ++cell) cells[cell] = FieldText(outputFlag.cells[cell]);
        const std::optional<std::string> destination = SelectedEntry(outputFlag.destinations);
        addDefined(OutputFlagActions, OutputFlagActionEntry(cells, destination.value_or("")));
    });
    connectDeleteButton(outputFlag.remove, outputFlag.actions, OutputFlagActions);
}

// A row of the timer frame or the counter frame makes its action from what the whole frame shows.
void ActionListEditing::connectTimerCounterButtons() {
    const ActionMakerControls& timers = window_.controls().timerActions;
    const ActionMakerControls& counters = window_.controls().counterActions;
    for (std::size_t row = 0; row < timers.create.size(); ++row) {
        OnClicked(timers.create[row], this, [this, timers, row] {
            TimerActionFields fields;
            for (std::size_t i = 0; i < fields.timer.size(); ++i) fields.timer[i] = FieldText(timers.numbers[i]);
            fields.time = FieldText(timers.values[0]);
            fields.unit = FieldText(timers.unit);
            addDefined(TimerActions, TimerActionEntry(static_cast<TimerActionRow>(row), fields));
        });
    }
    for (std::size_t row = 0; row < counters.create.size(); ++row) {
        OnClicked(counters.create[row], this, [this, counters, row] {
            CounterActionFields fields;
            for (std::size_t i = 0; i < fields.counter.size(); ++i) fields.counter[i] = FieldText(counters.numbers[i]);
            fields.limit = FieldText(counters.values[0]);
            fields.increase = FieldText(counters.values[2]);
            fields.decrease = FieldText(counters.values[3]);
            addDefined(CounterActions, CounterActionEntry(static_cast<CounterActionRow>(row), fields));
        });
    }
    connectDeleteButton(timers.remove, timers.actions, TimerActions);
    connectDeleteButton(counters.remove, counters.actions, CounterActions);
}

// An event that runs the deleted action keeps its entry: only equal text links the two.
void ActionListEditing::connectDeleteButton(QPushButton* button, ListBox* shown, DefinedList list) {
    OnClicked(button, this, [this, shown, list] {
        const int row = SelectedRow(shown);
        window_.edit(QStringLiteral("Delete action"),
                     [&](UnitConfiguration& config) { return RemoveEntryAt(list(config), row); });
    });
}

// Every event the unit has a number for; the remote events' buttons do nothing.
void ActionListEditing::connectEventButtons() {
    const std::vector<EventButton>& buttons = window_.controls().eventButtons;
    for (; connectedEventButtons_ < buttons.size(); ++connectedEventButtons_) {
        const EventButton& button = buttons[connectedEventButtons_];
        if (!button.event->sent()) continue;
        OnClicked(button.button, this, [this, button] {
            editEventList(*button.event, button.item, button.button->accessibleName());
        });
    }
}

// The dialog's picks are one step, named after the event's button ("Timer 1: Actions").
void ActionListEditing::editEventList(const EventDescription& event, int item, const QString& step) {
    UnitConfiguration current = window_.configuration();
    auto* dialog = new AddActionDialog(OfferedActions(current), event.actions(current, item), &window_);
    OpenAlone(window_, dialog, [this, dialog, &event, item, step](int result) {
        if (result != QDialog::Accepted) return;
        const TextList chosen = dialog->currentActions();
        window_.edit(step, [&](UnitConfiguration& config) {
            event.actions(config, item) = chosen;
            return true;
        });
    });
}

}  // namespace koru
