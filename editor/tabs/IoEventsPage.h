#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 5, "I/O and sleep events": the sleep event and the 24 I/O event masks.
class IoEventsPage : public TabPage {
public:
    IoEventsPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
