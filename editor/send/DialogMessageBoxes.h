#pragma once

// The core's message boxes shown through the window's dialogs (no nested event loop).

#include "platform/MessageBoxes.h"
#include "platform/UserDialogs.h"

namespace koru {

class DialogMessageBoxes : public MessageBoxes {
public:
    explicit DialogMessageBoxes(UserDialogs& dialogs) : dialogs_(dialogs) {}
    void show(const std::string& text, const std::string& title, MessageIcon icon) override {
        dialogs_.inform(text, title, icon);
    }
    void showThen(const std::string& text, const std::string& title, MessageIcon icon,
                  std::function<void()> closed) override {
        dialogs_.informThen(text, title, icon, std::move(closed));
    }

private:
    UserDialogs& dialogs_;
};

}  // namespace koru
