#include "editor/UnitCommands.h"

#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "editor/dialogs/AboutDialog.h"
#include "editor/dialogs/DeleteUnitDialog.h"
#include "editor/dialogs/ExportDialog.h"
#include "editor/dialogs/NewUnitDialog.h"

namespace koru {

UnitCommands::UnitCommands(MainWindow& window) : QObject(&window), window_(window) {
    const WindowMenus& menus = window_.menus();
    OnTriggered(menus.newUnit, this, [this] { newUnit(); });
    OnTriggered(menus.deleteUnit, this, [this] { deleteUnit(); });
    OnTriggered(menus.exportUnit, this, [this] { exportParameters(); });
    OnTriggered(menus.about, this, [this] { about(); });
}

namespace {

// Brings a dialog that is open already to the front; false when there is none.
bool RaiseOpen(QDialog* dialog) {
    if (dialog == nullptr || !dialog->isVisible()) return false;
    dialog->raise();
    dialog->activateWindow();
    return true;
}

}  // namespace

// The new-unit dialog leaves the window usable; a second New brings the open dialog forward.
void UnitCommands::newUnit() {
    if (RaiseOpen(newUnit_)) return;
    window_.promptSaveUnit([this] {
        if (newUnit_ != nullptr && newUnit_->isVisible()) return;
        newUnit_ = new NewUnitDialog(window_.library(), window_.dialogs(), window_.configuration(), &window_);
        connect(newUnit_, &NewUnitDialog::unitCreated, this, [this](const UnitConfiguration& unit) {
            window_.replaceConfiguration(unit);
            window_.markSaved();  // the library saved the new unit
            window_.refreshUnitLists();
        });
        newUnit_->show();
    });
}

void UnitCommands::deleteUnit() {
    auto* dialog = new DeleteUnitDialog(window_.library(), window_.dialogs(), &window_);
    OpenAlone(window_, dialog, [this](int) { window_.refreshUnitLists(); });
}

void UnitCommands::exportParameters() {
    OpenAlone(window_,
              new ExportDialog(window_.configuration(), window_.library(), window_.dialogs(), &window_));
}

void UnitCommands::about() {
    if (RaiseOpen(about_)) return;
    about_ = new AboutDialog(&window_);
    about_->show();
}

}  // namespace koru
