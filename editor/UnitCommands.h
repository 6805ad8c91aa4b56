#pragma once

// The window's commands for whole units: "New KORU unit", "Delete KORU unit" and "Export KORU unit" of the
// File menu, and "About" of the Help menu.

#include <QObject>
#include <QPointer>

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
    MainWindow& window_;
    QPointer<NewUnitDialog> newUnit_;
    QPointer<AboutDialog> about_;
};

}  // namespace koru
