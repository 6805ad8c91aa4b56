#include "editor/AskingOperation.h"

#include <utility>

namespace koru {

void RunAsking(UserDialogs& dialogs, const LibraryOperation& operation, std::function<void(LibraryResult)> done) {
    LibraryResult first = operation(Consent::NotYet);
    if (first.status != LibraryStatus::NeedsConfirmation) {
        done(std::move(first));
        return;
    }
    dialogs.askYesNo(first.question.text, first.question.title, [operation, done = std::move(done)](bool yes) {
        done(yes ? operation(Consent::Given) : LibraryResult{LibraryStatus::NotDone, {}, {}, {}});
    });
}

}  // namespace koru
