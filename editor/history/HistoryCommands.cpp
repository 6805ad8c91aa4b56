#include "editor/history/HistoryCommands.h"

#include <QAction>

#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "editor/history/CompareDialog.h"
#include "editor/history/SendHistoryDialog.h"

namespace koru {

HistoryCommands::HistoryCommands(MainWindow& window) : QObject(&window), window_(window) {
    const WindowMenus& menus = window_.menus();
    OnTriggered(menus.compareWithLastSend, this, [this] { compareWithLastSend(); });
    OnTriggered(menus.sendHistory, this, [this] { showSendHistory(); });
    connect(&window_, &MainWindow::configurationChanged, this, &HistoryCommands::updateItems);
    updateItems();
}

// Opening a unit, a new unit and restored edits all change the configuration as a whole.
void HistoryCommands::updateItems() {
    const bool unitOpen = !window_.configuration().unit.id.empty();
    window_.menus().compareWithLastSend->setEnabled(unitOpen);
    window_.menus().sendHistory->setEnabled(unitOpen);
}

void HistoryCommands::compareWithLastSend() {
    OpenAlone(window_, new CompareDialog(window_.configuration(), window_.library().root(), &window_));
}

void HistoryCommands::showSendHistory() {
    OpenAlone(window_, new SendHistoryDialog(window_.configuration(), window_.library().root(), &window_));
}

}  // namespace koru
