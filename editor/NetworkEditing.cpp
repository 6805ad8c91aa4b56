#include "editor/NetworkEditing.h"

#include <QListWidget>

#include "editor/ListSelection.h"
#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "model/NetworkOperations.h"

namespace koru {

NetworkEditing::NetworkEditing(MainWindow& window) : QObject(&window), window_(window) {
    const auto selected = [this](const char* list) {
        return SelectedEntry(window_.control<QListWidget>(list)).value_or(std::string());
    };
    const auto selectedRow = [this](const char* list) {
        return SelectedRow(window_.control<QListWidget>(list));
    };
    const auto pingChoice = [this] { return window_.fieldText("cmbPingTime"); };

    onButton("cmdAddMasterUnit",
             [=](NetworkSetup& network) { return SelectUpperUnit(network, selected("lstUnitInSystem")); });
    onButton("cmdDeleteMasterUnit", [](NetworkSetup& network) {
        ClearUpperUnit(network);
        return true;
    });
    onButton("cmdAddSlaveUnit",
             [=](NetworkSetup& network) { return AddLowerUnit(network, selected("lstUnitInSystem")); });
    onButton("cmdRemoveSlaveUnit",
             [=](NetworkSetup& network) { return RemoveLowerUnit(network, selectedRow("lstSlaveUnits")); });
    onButton("cmdChangeUpperPingTime",
             [=](NetworkSetup& network) { return ChangeUpperPing(network, pingChoice()); });
    onButton("cmdChangeLowerPingTime", [=](NetworkSetup& network) {
        return ChangeLowerPing(network, selectedRow("lstLowerPingTimes"), pingChoice());
    });
}

void NetworkEditing::onButton(const char* button, std::function<bool(NetworkSetup&)> operation) {
    OnButton(window_, button, this, [this, operation = std::move(operation)] {
        if (!operation(window_.configuration().network)) return;
        window_.refreshFields(
            {"lblSelectedMaster", "lblUpperPingTime", "lstSlaveUnits", "lstLowerPingTimes"});
    });
}

}  // namespace koru
