#pragma once

// Message boxes that record what was shown and answer questions from a script (No when unscripted).

#include <deque>
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
    bool ask(const std::string& text, const std::string& title) override {
        shown.push_back({text, title, MessageIcon::None});
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
};

}  // namespace koru::test
