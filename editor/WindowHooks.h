#pragma once

// How the editing parts hook onto the main window: the buttons and menu items it hands them, and the dialogs
// that work alone while the window waits.

#include <functional>

class QAction;
class QDialog;
class QObject;
class QPushButton;

namespace koru {

class MainWindow;

// Enables `button` and runs `handler` (in `context`) on every click.
void OnClicked(QPushButton* button, QObject* context, std::function<void()> handler);

// Enables the menu item and runs `handler` (in `context`) whenever it is chosen.
void OnTriggered(QAction* item, QObject* context, std::function<void()> handler);

// Opens `dialog` (a child of the window) window-modal without waiting, with the window's fields and menus
// switched off until it closes, however it closes; then `finished` gets its result.
void OpenAlone(MainWindow& window, QDialog* dialog, std::function<void(int result)> finished = {});

}  // namespace koru
