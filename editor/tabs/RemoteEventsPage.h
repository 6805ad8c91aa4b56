#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 7, "Remote control events": the 24 remote events. The unit has no remote controls yet, so the frame is
// hidden and the tab shows nothing; the settings are still loaded and saved.
class RemoteEventsPage : public TabPage {
public:
    RemoteEventsPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
