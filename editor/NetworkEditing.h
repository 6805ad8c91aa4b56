#pragma once

// The network buttons of the network setup tab: the upper unit, the lower units and their ping entries,
// chosen from the library's unit list. The overview tab's copies follow the fields.

#include <QObject>

#include <functional>

#include "model/UnitConfiguration.h"

class QPushButton;

namespace koru {

class MainWindow;

class NetworkEditing : public QObject {
    Q_OBJECT

public:
    explicit NetworkEditing(MainWindow& window);

private:
    // Once the network tab's page is built.
    void connectButtons();
    // Runs `operation` on the network setup at every click of `button`.
    void onButton(QPushButton* button, std::function<bool(NetworkSetup&)> operation);

    MainWindow& window_;
};

}  // namespace koru
