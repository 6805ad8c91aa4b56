#pragma once

// How the editing controllers hook onto the main window: its buttons by name, and the dialogs that work
// alone while the window waits.

#include <QString>

#include <functional>

class QDialog;
class QObject;

namespace koru {

class MainWindow;

// Enables the window's button `name` and runs `handler` (in `context`) on every click.
void OnButton(MainWindow& window, const QString& name, QObject* context, std::function<void()> handler);

// Opens `dialog` (a child of the window) window-modal without waiting, with the window's fields and menus
// switched off until it closes, however it closes; then `finished` gets its result.
void OpenAlone(MainWindow& window, QDialog* dialog, std::function<void(int result)> finished = {});

}  // namespace koru
