#pragma once

// Message boxes on the command line: the text goes to standard error and no question is asked (every
// question is answered No).

#include "platform/MessageBoxes.h"

namespace koru::cli {

class CliMessageBoxes : public MessageBoxes {
public:
    void show(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool ask(const std::string& text, const std::string& title) override;
};

}  // namespace koru::cli
