#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 9, "Output and flag actions": the output and flag pattern of a new action, its destination, and the
// output and flag actions made so far.
class OutputFlagActionsPage : public TabPage {
public:
    OutputFlagActionsPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
