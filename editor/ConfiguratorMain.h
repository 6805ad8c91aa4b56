#pragma once

// The program koru-configurator, from its command line to the end of its event loop: app/main.cpp runs it,
// and the start-up benchmark runs the same code.
//
//   koru-configurator [--library DIR] [FILE]
//
// The library is found as platform/LibraryLocation.h says (beside the program, or the user's data folder
// when installed) unless --library names it. FILE is opened at start as Open would open it; then the edits a
// window left behind are offered back. SIGTERM, SIGHUP and SIGINT end the program as its close does, without
// asking: a send is aborted, unsaved edits are kept, and the status is 128 + the signal.

#include <functional>

namespace koru {

class MainWindow;
class RecoveryKeeper;

// Gives `window` what the program's window has beyond the editor: sending, unit editing, the send history,
// the network map, recent units, dropped files, and the edits kept for the next start (returned).
RecoveryKeeper& AttachWindowParts(MainWindow& window);

// `shown`, when set, is called once the window has painted for the first time. Returns the exit status.
int RunConfigurator(int argc, char** argv, std::function<void(MainWindow&)> shown = {});

}  // namespace koru
