#pragma once

#include "editor/tabs/TabPage.h"

class QPushButton;

namespace koru {

class ListBox;

class ChoiceBox;

// What the message actions' buttons work with.
struct MessageActionControls {
    ChoiceBox* messageNumber = nullptr;
    ListBox* destinations = nullptr;
    QPushButton* create = nullptr;
    ListBox* actions = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* addParameter = nullptr;
};

// Tab 8, "Message actions": the 20 messages the unit can send and the message actions made from them. Keeps
// the message text that last had the keyboard focus, where "Add parameter" puts its token.
class MessageActionsPage : public TabPage {
public:
    MessageActionsPage(FieldFactory& factory, QWidget* parent = nullptr);

    const MessageActionControls& controls() const { return controls_; }
    // The index (0 to 19) of the message text that last had the focus; 0 before any had it.
    int currentMessageText() const { return current_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageActionControls controls_;
    int current_ = 0;
};

}  // namespace koru
