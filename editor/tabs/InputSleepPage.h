#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 3, "Input, sleep setup": the voltage range, the six inputs and the sleep mode.
class InputSleepPage : public TabPage {
public:
    InputSleepPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
