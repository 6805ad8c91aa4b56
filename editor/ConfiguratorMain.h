#pragma once

// The program koru-configurator, from its command line to the end of its event loop: app/main.cpp runs it,
// and the start-up benchmark runs the same code.
//
//   koru-configurator [--library DIR] [FILE]
//
// The library root (Units, Default Files, Parameter files) is the program's folder unless --library names
// another. FILE is opened at start as Open would open it.

#include <functional>

namespace koru {

class MainWindow;

// `version` is printed by --version. `shown`, when set, is called once the window has painted for the first
// time. Returns the exit status.
int RunConfigurator(int argc, char** argv, const char* version, std::function<void(MainWindow&)> shown = {});

}  // namespace koru
