#pragma once

// The window's menu items for whole units: "New KORU unit" and "Delete KORU unit" at the top of the File
// menu, "Export KORU unit" before "Import KORU unit", and "About" in the Help menu.

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

namespace koru {

class AboutDialog;
class MainWindow;
class NewUnitDialog;

class UnitCommands : public QObject {
    Q_OBJECT

public:
    explicit UnitCommands(MainWindow& window);

    void newUnit();
    void deleteUnit();
    void exportParameters();
    void about();

private:
    QAction* addItem(QMenu* menu, QAction* before, const char* name, const QString& caption,
                     void (UnitCommands::*command)());

    MainWindow& window_;
    QPointer<NewUnitDialog> newUnit_;
    QPointer<AboutDialog> about_;
};

}  // namespace koru
