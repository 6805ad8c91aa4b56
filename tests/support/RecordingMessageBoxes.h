#pragma once

// Message boxes that record what was shown.

#include <functional>
#include <string>
#include <utility>
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
    // Boxes close at once unless `keepOpen` is set; then they stay until closeAll().
    void showThen(const std::string& text, const std::string& title, MessageIcon icon,
                  std::function<void()> closed) override {
        show(text, title, icon);
        if (keepOpen) {
            open.push_back(std::move(closed));
        } else if (closed) {
            closed();
        }
    }
    void closeAll() {
        for (auto& closed : std::exchange(open, {})) {
            if (closed) closed();
        }
    }

    std::vector<Shown> shown;
    bool keepOpen = false;
    std::vector<std::function<void()>> open;
};

}  // namespace koru::test
