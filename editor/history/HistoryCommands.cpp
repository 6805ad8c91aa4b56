#include "editor/history/HistoryCommands.h"

#include <QAction>
#include <QMenu>

#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "editor/history/CompareDialog.h"
#include "editor/history/SendHistoryDialog.h"

namespace koru {

HistoryCommands::HistoryCommands(MainWindow& window) : QObject(&window), window_(window) {
    QMenu* file = window_.fileMenu();
    QAction* exit = window_.menuAction(QStringLiteral("mnuExit"));
    const auto item = [&](const char* name, const QString& caption, void (HistoryCommands::*command)()) {
        auto* action = new QAction(caption, file);
        action->setObjectName(QLatin1String(name));
        file->insertAction(exit, action);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    compare_ = item("mnuCompareLastSend", QStringLiteral("Co&mpare with last send..."),
                    &HistoryCommands::compareWithLastSend);
    history_ = item("mnuSendHistory", QStringLiteral("Send &history..."), &HistoryCommands::showSendHistory);
    file->insertSeparator(exit);
    connect(&window_, &MainWindow::configurationChanged, this, &HistoryCommands::updateItems);
    updateItems();
}

// Opening a unit, a new unit and restored edits all change the configuration as a whole.
void HistoryCommands::updateItems() {
    const bool unitOpen = !window_.configuration().unit.id.empty();
    compare_->setEnabled(unitOpen);
    history_->setEnabled(unitOpen);
}

void HistoryCommands::compareWithLastSend() {
    OpenAlone(window_, new CompareDialog(window_.configuration(), window_.library().root(), &window_));
}

void HistoryCommands::showSendHistory() {
    OpenAlone(window_, new SendHistoryDialog(window_.configuration(), window_.library().root(), &window_));
}

}  // namespace koru
