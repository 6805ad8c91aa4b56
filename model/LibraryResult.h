#pragma once

// What a unit library operation did, as data: the editor shows `message` in a message box, korucfg
// prints it.

#include <filesystem>
#include <string>

namespace koru {

enum class LibraryStatus {
    Done,      // the operation ran; `message` may still hold a warning
    NotDone,   // nothing to do, or the user answered No; the caller goes on
    Refused,   // the input cannot be used; nothing was written or deleted
    Failed,    // a file could not be read, written or deleted; the configuration in memory is unchanged
};

struct LibraryResult {
    LibraryStatus status = LibraryStatus::Done;
    std::string message;          // one sentence, empty when there is nothing to tell
    std::filesystem::path file;   // the unit file written, loaded or deleted

    bool done() const { return status == LibraryStatus::Done; }
};

}  // namespace koru
