#include "editor/AskingOperation.h"

#include <optional>
#include <utility>

namespace koru {

namespace {

struct Question {
    std::string text;
    std::string title;
};

// Remembers the first question and answers No.
class QuestionProbe : public LibraryQuestions {
public:
    bool askYesNo(const std::string& text, const std::string& title) override {
        if (!asked) asked = Question{text, title};
        return false;
    }
    std::optional<Question> asked;
};

}  // namespace

void RunAsking(UserDialogs& dialogs, const LibraryOperation& operation,
               std::function<void(LibraryResult)> done) {
    QuestionProbe probe;
    LibraryResult first = operation(probe);
    if (!probe.asked) {
        done(std::move(first));
        return;
    }
    dialogs.askYesNo(probe.asked->text, probe.asked->title, [operation, done = std::move(done)](bool yes) {
        if (!yes) {
            done(LibraryResult{LibraryStatus::NotDone, {}, {}});
            return;
        }
        FixedAnswer answer(true);
        done(operation(answer));
    });
}

}  // namespace koru
