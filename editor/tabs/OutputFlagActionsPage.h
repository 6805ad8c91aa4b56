#pragma once

#include <array>

#include "editor/tabs/TabPage.h"
#include "model/ActionEntries.h"

class QLineEdit;
class QPushButton;

namespace koru {

class ListBox;

// What the output and flag actions' buttons work with.
struct OutputFlagActionControls {
    std::array<QLineEdit*, kOutputFlagCells> cells{};
    ListBox* destinations = nullptr;
    QPushButton* create = nullptr;
    ListBox* actions = nullptr;
    QPushButton* remove = nullptr;
};

// Tab 9, "Output and flag actions": the output and flag pattern of a new action, its destination, and the
// output and flag actions made so far.
class OutputFlagActionsPage : public TabPage {
public:
    OutputFlagActionsPage(FieldFactory& factory, QWidget* parent = nullptr);

    const OutputFlagActionControls& controls() const { return controls_; }

private:
    OutputFlagActionControls controls_;
};

}  // namespace koru
