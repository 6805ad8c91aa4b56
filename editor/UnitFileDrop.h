#pragma once

// Files dropped on the main window: a unit file (.kuf) opens as Open opens it, after the save question; a
// parameter file (.kpf) is imported as Import does. The drop is taken before any field sees it, so a unit
// dropped on a text field opens instead of pasting its path into the field.

#include <QObject>

namespace koru {

class MainWindow;

class UnitFileDrop : public QObject {
    Q_OBJECT

public:
    explicit UnitFileDrop(MainWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& window_;
};

}  // namespace koru
