#pragma once

// The user's dialogs for tests: records every message and question, answers questions and file choosers
// from scripts (No and Cancel when nothing is scripted). Answers come at once, before the call returns,
// unless `deferAnswers` is set; then `answerPending()` gives them.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/UserDialogs.h"

namespace koru::test {

class ScriptedDialogs : public UserDialogs, public MessageBoxes {
public:
    struct Shown {
        std::string text;
        std::string title;
        bool question = false;
        bool operator==(const Shown&) const = default;
    };

    void inform(const std::string& text, const std::string& title, MessageIcon) override {
        shown.push_back({text, title, false});
    }
    void show(const std::string& text, const std::string& title, MessageIcon icon) override {
        inform(text, title, icon);
    }
    void askYesNo(const std::string& text, const std::string& title, Answered answered) override {
        shown.push_back({text, title, true});
        bool answer = false;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        deliver([answered = std::move(answered), answer] { answered(answer); });
    }
    void chooseFileToOpen(const FileChoice& choice, Chosen chosen) override { choose(choice, std::move(chosen)); }
    void chooseFileToSave(const FileChoice& choice, Chosen chosen) override { choose(choice, std::move(chosen)); }

    // Runs the answers that were held back, in order.
    void answerPending() {
        while (!pending_.empty()) {
            auto next = std::move(pending_.front());
            pending_.pop_front();
            next();
        }
    }

    std::vector<Shown> shown;
    std::vector<FileChoice> choosers;      // every file chooser opened
    std::deque<bool> answers;              // Yes/No answers, in order
    std::deque<std::optional<std::string>> files;  // chosen paths (nullopt: cancelled), in order
    bool deferAnswers = false;

private:
    void choose(const FileChoice& choice, Chosen chosen) {
        choosers.push_back(choice);
        std::optional<std::string> file;
        if (!files.empty()) {
            file = files.front();
            files.pop_front();
        }
        deliver([chosen = std::move(chosen), file] { chosen(file); });
    }
    void deliver(std::function<void()> answer) {
        if (deferAnswers) {
            pending_.push_back(std::move(answer));
        } else {
            answer();
        }
    }

    std::deque<std::function<void()>> pending_;
};

}  // namespace koru::test
