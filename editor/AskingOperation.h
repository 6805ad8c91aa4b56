#pragma once

// Runs a unit library operation that may need the user's consent, without waiting in the operation: it runs
// once without consent; when it returns its question, the user is asked through the window's dialogs and, on
// Yes, the operation runs again with the consent given.

#include <functional>

#include "model/LibraryResult.h"
#include "platform/UserDialogs.h"

namespace koru {

using LibraryOperation = std::function<LibraryResult(Consent consent)>;

// Calls `done` with the operation's result: at once when it needs no consent, otherwise once the user has
// answered (NotDone for No).
void RunAsking(UserDialogs& dialogs, const LibraryOperation& operation, std::function<void(LibraryResult)> done);

}  // namespace koru
