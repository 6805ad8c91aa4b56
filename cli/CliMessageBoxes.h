#pragma once

// Message boxes on the command line: the text goes to standard error.

#include "platform/MessageBoxes.h"

namespace koru::cli {

class CliMessageBoxes : public MessageBoxes {
public:
    void show(const std::string& text, const std::string& title, MessageIcon icon) override;
};

}  // namespace koru::cli
