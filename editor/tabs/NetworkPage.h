#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 1, "Network setup": the alias, the upper and lower units with their ping times, and who may set the
// unit up.
class NetworkPage : public TabPage {
public:
    NetworkPage(FieldFactory& factory, QWidget* parent = nullptr);
};

}  // namespace koru
