#pragma once

#include "editor/tabs/TabPage.h"

class QLabel;
class QPushButton;

namespace koru {

class ListBox;

// The overview's copies of fields on other tabs, and the way to the unit.
struct OverviewControls {
    QLabel* alias = nullptr;
    QLabel* type = nullptr;
    QLabel* upperUnit = nullptr;
    ListBox* lowerUnits = nullptr;
    ListBox* remotes = nullptr;
    QPushButton* send = nullptr;
};

// Tab 0, "KORU unit": what the unit is and where it sits, read only, and the send button.
class OverviewPage : public TabPage {
public:
    OverviewPage(FieldFactory& factory, QWidget* parent = nullptr);

    const OverviewControls& controls() const { return controls_; }

private:
    OverviewControls controls_;
};

}  // namespace koru
