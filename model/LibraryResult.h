#pragma once

// What a unit library operation did, as data: the editor shows `message` in a message box, korucfg
// prints it. An operation that must not go on without the user's consent returns the question instead; the
// caller asks it and calls again with the consent given (or takes a No as the end of the command).

#include <filesystem>
#include <string>

namespace koru {

enum class LibraryStatus {
    Done,               // the operation ran; `message` may still hold a warning
    NotDone,            // nothing to do; the caller goes on
    Refused,            // the input cannot be used; nothing was written or deleted
    Failed,             // a file could not be read, written or deleted; the configuration in memory is unchanged
    NeedsConfirmation,  // nothing done yet: `question` must be answered Yes first
};

// Whether the user has agreed to what an operation would ask.
enum class Consent { NotYet, Given };

// A Yes/No question, with the title of its message box.
struct LibraryQuestion {
    std::string text;
    std::string title;

    bool operator==(const LibraryQuestion&) const = default;
};

struct LibraryResult {
    LibraryStatus status = LibraryStatus::Done;
    std::string message;          // one sentence, empty when there is nothing to tell
    std::filesystem::path file;   // the unit file written, loaded or deleted
    LibraryQuestion question;     // NeedsConfirmation: what to ask

    bool done() const { return status == LibraryStatus::Done; }
};

}  // namespace koru
