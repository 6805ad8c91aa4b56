#pragma once

// Runs a unit library operation that may ask the user one Yes/No question, without waiting in the
// operation: it runs first with the answer No (the library asks before it changes anything, so that run
// changes nothing); when it asked, the user is asked through the window's dialogs and, on Yes, the
// operation runs again with the answer Yes.

#include <functional>

#include "model/LibraryQuestions.h"
#include "model/LibraryResult.h"
#include "platform/UserDialogs.h"

namespace koru {

using LibraryOperation = std::function<LibraryResult(LibraryQuestions& questions)>;

// Calls `done` with the operation's result: at once when it asked nothing, otherwise once the user has
// answered (NotDone for No).
void RunAsking(UserDialogs& dialogs, const LibraryOperation& operation,
               std::function<void(LibraryResult)> done);

}  // namespace koru
