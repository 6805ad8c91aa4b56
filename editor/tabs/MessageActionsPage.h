#pragma once

#include "editor/tabs/TabPage.h"

namespace koru {

// Tab 8, "Message actions": the 20 messages the unit can send and the message actions made from them. Keeps
// the message text that last had the keyboard focus, where "Add parameter" puts its token.
class MessageActionsPage : public TabPage {
public:
    MessageActionsPage(FieldFactory& factory, QWidget* parent = nullptr);

    // The index (0 to 19) of the message text that last had the focus; 0 before any had it.
    int currentMessageText() const { return current_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int current_ = 0;
};

}  // namespace koru
