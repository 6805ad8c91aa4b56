#pragma once

// The window with its send windows on one send stack, for tests that drive the real dialogs by object
// name. The port is a real one on a pseudo-terminal (or the scripted double) and time is virtual: the
// event loop carries the bytes, the test moves the clock.

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "editor/MainWindow.h"
#include "editor/send/DialogMessageBoxes.h"
#include "editor/send/ProgressDialog.h"
#include "editor/send/SendController.h"
#include "editor/send/SendDialog.h"
#include "editor/send/SerialSetupDialog.h"
#include "platform/MemorySettingsStore.h"
#include "platform/SerialDevices.h"
#include "protocol/link/SendStack.h"
#include "protocol/link/UnitSimulator.h"
#include "tests/editor/DialogTesting.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestSupport.h"
#include "tests/support/VirtualClock.h"

namespace koru::test {

// A machine whose serial devices the test decides.
class FixedSerialDevices : public SerialDevices {
public:
    std::vector<SerialDevice> list() const override { return devices; }
    std::vector<SerialDevice> devices;
};

// The window's "SEND TO UNIT" button; the first tab's page, which holds it, is built for it if the window
// has not shown yet.
inline QPushButton* SendButton(MainWindow& window) {
    window.buildPage(WindowTab::Overview);
    return window.controls().overview.send;
}

class SendRig {
public:
    // On a real serial port unless `port` is given.
    explicit SendRig(std::unique_ptr<SerialPort> port = {});
    ~SendRig();

    // The program ends (the window closes) and starts again over the same settings store and library.
    void restart(std::unique_ptr<SerialPort> port = {});

    SendStack& stack() { return *stack_; }
    SendSession& send() { return stack_->send(); }
    VirtualClock& clock() { return static_cast<VirtualClock&>(stack_->clock()); }
    SerialSetupDialog* settings() { return &controller_->settingsDialog(); }
    SendDialog* sendDialog() { return &controller_->sendDialog(); }
    ProgressDialog* progress() { return &controller_->progressDialog(); }

    // Loads a unit file into the window as Open does.
    bool open(const std::string& path) { return window->openUnitFile(path); }

    // Clicks a button, check box or option as the user would (it must be shown and enabled).
    static void click(QWidget* dialog, const QString& name);
    // "SEND TO UNIT" and then "Ok" in the send dialog.
    void pressSend();
    // The progress dialog's one button.
    void pressProgressButton() { click(progress(), QStringLiteral("btnAbort")); }

    // Lets the event loop run and virtual time pass until `done` holds; false after `realLimitMs`.
    bool drive(const std::function<bool()>& done, int realLimitMs = 60000);
    bool driveToEnd() {
        return drive([this] { return !send().running(); });
    }

    TempDir library;
    ScriptedDialogs dialogs;
    DialogMessageBoxes boxes{dialogs};
    MemorySettingsStore store;
    FixedSerialDevices devices;
    std::unique_ptr<MainWindow> window;

private:
    void build(std::unique_ptr<SerialPort> port);

    std::unique_ptr<SendStack> stack_;
    std::unique_ptr<SendController> controller_;
};

// A simulated unit on a pseudo-terminal that COM1 to COM3 all name.
struct SimulatedLine {
    explicit SimulatedLine(SendRig& rig, SimulatorOptions options = {});
    // Everything the unit read, once it has read at least `bytes` (the port closes right after a session).
    std::string received(SendRig& rig, std::size_t bytes);
    // Whether the last line the unit read is the abort line (of unit 42).
    bool aborted(SendRig& rig);

    UnitSimulator unit;
};

}  // namespace koru::test
