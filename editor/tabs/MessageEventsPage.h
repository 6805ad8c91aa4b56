#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 4, "Messages events": the 20 received texts and the two no-match events, and the message types.
class MessageEventsPage : public TabPage {
public:
    MessageEventsPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
