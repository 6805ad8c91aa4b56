#pragma once

// Answers the unit library's questions from a script and records what was asked, so a test can check
// the exact texts and titles and that nothing more was asked.

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "model/LibraryQuestions.h"

namespace koru::test {

class ScriptedQuestions : public LibraryQuestions {
public:
    struct Question {
        std::string text;
        std::string title;
        bool operator==(const Question&) const = default;
    };

    explicit ScriptedQuestions(std::deque<bool> answers = {}) : answers_(std::move(answers)) {}

    // An unscripted question is answered No, and still recorded.
    bool askYesNo(const std::string& text, const std::string& title) override {
        asked.push_back({text, title});
        if (answers_.empty()) return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::vector<Question> asked;

private:
    std::deque<bool> answers_;
};

}  // namespace koru::test
