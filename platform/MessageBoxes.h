#pragma once

// Message boxes. The core reports through this interface; the editor shows dialogs, the command line
// prints the text, tests record it. The core never asks a question.

#include <string>

namespace koru {

enum class MessageIcon { None, Information, Exclamation, Critical };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty title means the program's default title.
    virtual void show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

}  // namespace koru
