#pragma once

// Message boxes. The core reports through this interface; the editor shows dialogs, the command line
// prints the text, tests record it. The core never asks a question.

#include <functional>
#include <string>

namespace koru {

enum class MessageIcon { None, Information, Exclamation, Critical };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty title means the program's default title.
    virtual void show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // As show(); `closed` runs once the box has gone: when the user closes it, or at once where nothing
    // waits for the user (the command line prints the text).
    virtual void showThen(const std::string& text, const std::string& title, MessageIcon icon,
                          std::function<void()> closed) {
        show(text, title, icon);
        if (closed) closed();
    }
};

}  // namespace koru
