#pragma once

// The Yes/No questions the unit library asks before it overwrites or deletes anything. The editor
// answers them with message boxes; tests and korucfg answer them from a script or an option.

#include <string>
#include <string_view>

namespace koru {

inline constexpr std::string_view kSaveUnitQuestion = "Do you want to save unit?";
inline constexpr std::string_view kSaveUnitTitle = "Save unit...";
inline constexpr std::string_view kReplaceUnitQuestion = "That ID number already exists,\r\ndo you want to replace it?";
inline constexpr std::string_view kReplaceUnitTitle = "ID already exist";
inline constexpr std::string_view kDeleteUnitTitle = "Delete unit...";

inline std::string DeleteUnitQuestion(std::string_view entry) {
    return "Are you sure that you want to delete " + std::string(entry) + "?";
}

// Asks the user one question with the buttons Yes and No.
class LibraryQuestions {
public:
    virtual ~LibraryQuestions() = default;

    // True for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
};

// Answers every question the same way, for callers that asked the user beforehand (the window asks
// without waiting, then runs the operation) or were told on the command line.
class FixedAnswer : public LibraryQuestions {
public:
    explicit FixedAnswer(bool yes) : yes_(yes) {}
    bool askYesNo(const std::string&, const std::string&) override { return yes_; }

private:
    bool yes_;
};

}  // namespace koru
