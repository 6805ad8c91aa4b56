#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 10, "Timers and counter actions": the rows that make timer and counter actions, and the actions made
// so far.
class TimerCounterActionsPage : public TabPage {
public:
    TimerCounterActionsPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
