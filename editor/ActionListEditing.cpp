#include "editor/ActionListEditing.h"

#include <QListWidget>

#include "editor/ControlSet.h"
#include "editor/ListSelection.h"
#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "editor/dialogs/AddActionDialog.h"
#include "model/ActionEntries.h"
#include "model/EventTable.h"

namespace koru {

ActionListEditing::ActionListEditing(MainWindow& window) : QObject(&window), window_(window) {
    connectCreateButtons();
    connectDeleteButtons();
    connectEventButtons();
}

void ActionListEditing::addDefined(TextList& list, const char* listControl,
                                   const std::optional<std::string>& entry) {
    if (!entry || !AppendUnique(list, *entry)) return;
    window_.refreshFields({QString::fromLatin1(listControl)});
}

void ActionListEditing::connectCreateButtons() {
    UnitConfiguration& config = window_.configuration();
    OnButton(window_, "cmdCreateMessageAction", this, [this, &config] {
        const std::optional<std::string> destination = SelectedEntry(window_.control<QListWidget>("lstDest"));
        addDefined(config.messageActions.actions, "lstMessageActions",
                   MessageActionEntry(window_.fieldText("cmbMessageNumber"), destination.value_or("")));
    });
    OnButton(window_, "cmdCreateOutputFlagAction", this, [this, &config] {
        std::array<Text, kOutputFlagCells> cells;
        for (int cell = 0; cell < kOutputFlagCells; ++cell) {
            cells[cell] = window_.fieldText(ObjectName("txtOutputFlagAction", cell));
        }
        const std::optional<std::string> destination =
            SelectedEntry(window_.control<QListWidget>("lstDestOutputFlag"));
        addDefined(config.outputFlagActions, "lstOutputFlagActions",
                   OutputFlagActionEntry(cells, destination.value_or("")));
    });
    for (int row = 0; row < 4; ++row) {
        OnButton(window_, ObjectName("cmdCreateTimerAction", row), this, [this, &config, row] {
            TimerActionFields fields;
            for (int i = 0; i < 4; ++i) fields.timer[i] = window_.fieldText(ObjectName("cmbTimerNr", i));
            fields.time = window_.fieldText("txtTimeAction");
            fields.unit = window_.fieldText("cmbUnitAction");
            addDefined(config.timerActions, "lstTimerActions",
                       TimerActionEntry(static_cast<TimerActionRow>(row), fields));
        });
        OnButton(window_, ObjectName("cmdCreateCounterrAction", row), this, [this, &config, row] {
            CounterActionFields fields;
            for (int i = 0; i < 4; ++i) fields.counter[i] = window_.fieldText(ObjectName("cmbCounterNr", i));
            fields.limit = window_.fieldText("txtCountAction");
            fields.increase = window_.fieldText("txtIncCount");
            fields.decrease = window_.fieldText("txtDecCount");
            addDefined(config.counterActions, "lstCounterActions",
                       CounterActionEntry(static_cast<CounterActionRow>(row), fields));
        });
    }
}

void ActionListEditing::connectDeleteButtons() {
    UnitConfiguration& config = window_.configuration();
    const struct {
        const char* button;
        const char* listControl;
        TextList* list;
    } buttons[] = {
        {"cmdDeleteMessAction", "lstMessageActions", &config.messageActions.actions},
        {"cmdDeleteOutputFlagAction", "lstOutputFlagActions", &config.outputFlagActions},
        {"cmdDeleteTimerAction", "lstTimerActions", &config.timerActions},
        {"cmdDeleteCounterAction", "lstCounterActions", &config.counterActions},
    };
    for (const auto& [button, listControl, list] : buttons) {
        OnButton(window_, button, this, [this, list, listControl = QString::fromLatin1(listControl)] {
            // An event that runs the deleted action keeps its entry: only equal text links the two.
            if (RemoveEntryAt(*list, SelectedRow(window_.control<QListWidget>(listControl)))) {
                window_.refreshFields({listControl});
            }
        });
    }
}

// Every event the unit has a number for; the remote events' buttons do nothing.
void ActionListEditing::connectEventButtons() {
    for (const EventDescription& event : Events()) {
        if (!event.sent()) continue;
        for (int item = 0; item < event.items(); ++item) {
            OnButton(window_, ObjectName(event.buttonControl, event.controlIndex(item)), this,
                     [this, &event, item] { editEventList(event, item); });
        }
    }
}

void ActionListEditing::editEventList(const EventDescription& event, int item) {
    UnitConfiguration& config = window_.configuration();
    TextList* target = &event.actions(config, item);
    auto* dialog = new AddActionDialog(OfferedActions(config), *target, &window_);
    const QString name = ObjectName(event.listControl, event.controlIndex(item));
    OpenAlone(window_, dialog, [this, dialog, target, name](int result) {
        if (result != QDialog::Accepted) return;
        *target = dialog->currentActions();
        window_.refreshFields({name});
    });
}

}  // namespace koru
