#include "editor/NetworkEditing.h"

#include <QPushButton>

#include "editor/ChoiceBox.h"
#include "editor/FieldText.h"
#include "editor/ListBox.h"
#include "editor/ListSelection.h"
#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "model/NetworkOperations.h"

namespace koru {

NetworkEditing::NetworkEditing(MainWindow& window) : QObject(&window), window_(window) {
    window_.onPage(WindowTab::Network, this, [this] { connectButtons(); });
}

void NetworkEditing::connectButtons() {
    const NetworkControls& network = window_.controls().network;
    const auto selectedUnit = [units = network.units] { return SelectedEntry(units).value_or(std::string()); };
    const auto pingChoice = [choice = network.pingChoice] { return FieldText(choice); };

    onButton(network.selectUpperUnit, [=](NetworkSetup& setup) { return SelectUpperUnit(setup, selectedUnit()); });
    onButton(network.deleteUpperUnit, [](NetworkSetup& setup) {
        ClearUpperUnit(setup);
        return true;
    });
    onButton(network.addLowerUnit, [=](NetworkSetup& setup) { return AddLowerUnit(setup, selectedUnit()); });
    onButton(network.removeLowerUnit, [lower = network.lowerUnits](NetworkSetup& setup) {
        return RemoveLowerUnit(setup, SelectedRow(lower));
    });
    onButton(network.changeUpperPing, [=](NetworkSetup& setup) { return ChangeUpperPing(setup, pingChoice()); });
    onButton(network.changeLowerPing, [=, pings = network.lowerPings](NetworkSetup& setup) {
        return ChangeLowerPing(setup, SelectedRow(pings), pingChoice());
    });
}

// The button's caption names the step ("Add lower unit").
void NetworkEditing::onButton(QPushButton* button, std::function<bool(NetworkSetup&)> operation) {
    OnClicked(button, this, [this, step = button->text().remove(QLatin1Char('&')), operation = std::move(operation)] {
        window_.edit(step, [&operation](UnitConfiguration& config) { return operation(config.network); });
    });
}

}  // namespace koru
