#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 6, "Timer, counter, comm. events": timer, counter, network, radio, serial and unit events.
class TimerCounterCommEventsPage : public TabPage {
public:
    TimerCounterCommEventsPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
