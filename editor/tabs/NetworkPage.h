#pragma once

#include "editor/tabs/TabPage.h"

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace koru {

class ListBox;

class ChoiceBox;

// What the network buttons and the overview's copies work with.
struct NetworkControls {
    QLineEdit* alias = nullptr;
    ChoiceBox* type = nullptr;
    ListBox* units = nullptr;  // the library's units, the source for the buttons
    QLabel* upperUnit = nullptr;
    ListBox* lowerUnits = nullptr;
    ListBox* lowerPings = nullptr;
    ChoiceBox* pingChoice = nullptr;
    ListBox* remotes = nullptr;
    QPushButton* selectUpperUnit = nullptr;
    QPushButton* deleteUpperUnit = nullptr;
    QPushButton* addLowerUnit = nullptr;
    QPushButton* removeLowerUnit = nullptr;
    QPushButton* changeUpperPing = nullptr;
    QPushButton* changeLowerPing = nullptr;
};

// Tab 1, "Network setup": the alias, the upper and lower units with their ping times, and who may set the
// unit up.
class NetworkPage : public TabPage {
public:
    NetworkPage(FieldFactory& factory, QWidget* parent = nullptr);

    const NetworkControls& controls() const { return controls_; }

private:
    void buildUnitColumn(QBoxLayout* columns);
    void buildTreeColumn(QBoxLayout* columns);
    void buildPingColumn(QBoxLayout* columns);
    void buildSetup(QBoxLayout* layout);
    void buildRemotes(QBoxLayout* layout);

    NetworkControls controls_;
};

}  // namespace koru
