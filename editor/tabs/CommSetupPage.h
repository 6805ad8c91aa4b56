#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 2, "Timer, counter, comm. setup": radio and serial interface, timers and counters.
class CommSetupPage : public TabPage {
public:
    CommSetupPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
