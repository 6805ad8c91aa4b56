#pragma once

// What the window asks of the user: message boxes, Yes/No questions and file choosers. Nothing here waits in
// a nested event loop; every answer comes back through a callback once the user has given it (a test
// double may call it before the call returns).

#include <functional>
#include <optional>
#include <string>

#include "platform/MessageBoxes.h"

namespace koru {

// A file chooser: its title, filter ("Units (*.kuf)") and the folder it starts in (file-system bytes).
struct FileChoice {
    std::string title;
    std::string filter;
    std::string folder;
    std::string defaultSuffix;  // added by a save chooser to a name typed without one ("kpf")
};

class UserDialogs {
public:
    using Answered = std::function<void(bool yes)>;
    using Chosen = std::function<void(std::optional<std::string> path)>;  // nullopt when cancelled

    virtual ~UserDialogs() = default;

    // A message box with an OK button; the caller goes on at once.
    virtual void inform(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // The same, and `closed` runs once the box has gone (a double that shows nothing runs it at once).
    virtual void informThen(const std::string& text, const std::string& title, MessageIcon icon,
                            std::function<void()> closed) {
        inform(text, title, icon);
        if (closed) closed();
    }
    // A question with the buttons Yes and No.
    virtual void askYesNo(const std::string& text, const std::string& title, Answered answered) = 0;
    // Choose an existing file to read.
    virtual void chooseFileToOpen(const FileChoice& choice, Chosen chosen) = 0;
    // Choose a file to write. The chooser does not ask before replacing an existing file (that question would
    // wait in a nested event loop): the caller asks through askYesNo.
    virtual void chooseFileToSave(const FileChoice& choice, Chosen chosen) = 0;
};

}  // namespace koru
