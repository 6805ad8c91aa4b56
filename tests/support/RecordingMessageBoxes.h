#pragma once

// Message boxes that record what was shown.

#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace koru::test {

class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        std::string title;
        MessageIcon icon = MessageIcon::None;
        bool operator==(const Shown&) const = default;
    };

    void show(const std::string& text, const std::string& title, MessageIcon icon) override {
        shown.push_back({text, title, icon});
    }

    std::vector<Shown> shown;
};

}  // namespace koru::test
