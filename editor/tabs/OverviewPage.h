#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 0, "KORU unit": what the unit is and where it sits, read only, and the send button.
class OverviewPage : public TabPage {
public:
    OverviewPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
