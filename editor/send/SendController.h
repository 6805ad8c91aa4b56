#pragma once

// Sending from the window: the menu item "Communication Settings" and the button "SEND TO UNIT", the three
// send windows, and the one send stack of the program. The settings dialog loads the stored link settings
// the first time anything needs the link, and stores them when the program ends. A send starts only for a
// unit that passes the preflight; every session ends with its delivery report in the progress dialog.

#include <QObject>
#include <QPointer>

#include <memory>

#include "protocol/SendSelection.h"

namespace koru {

class LinkSettings;
class MainWindow;
class ProgressDialog;
class SendDialog;
class SendStack;
class SerialDevices;
class SerialSetupDialog;
class SettingsStore;

class SendController : public QObject {
    Q_OBJECT

public:
    // `stack` sends the window's configuration (made over window.configuration()); the settings dialog keeps
    // its settings in `store`. All outlive this.
    SendController(MainWindow& window, SendStack& stack, SettingsStore& store, const SerialDevices& devices);
    ~SendController() override;

    // The live program's sending: a send stack on the real serial port and clock, the user's settings
    // store and the system's serial devices, owned by the window.
    static void AttachLive(MainWindow& window);

    // The send windows, made on first use.
    SerialSetupDialog& settingsDialog();
    SendDialog& sendDialog();
    ProgressDialog& progressDialog();

    // The menu item: shows the settings dialog; showing it closes the link and loads the stored settings
    // again, unless a send is running.
    void showCommSettings();
    // "SEND TO UNIT": shows the send dialog.
    void sendParameters();
    // The send dialog's OK, and "Try again": a send of the ticked groups, when the unit passes the preflight.
    void startSend();
    // The program ends: a running send is aborted, the link's settings are stored and the port closed.
    void end();

private:
    void ensureLinkLoaded();
    void onSessionEnded();
    void setRunning(bool running);

    MainWindow& window_;
    SendStack& stack_;
    const SerialDevices& devices_;
    std::unique_ptr<LinkSettings> linkSettings_;
    QPointer<SerialSetupDialog> settingsDialog_;
    QPointer<SendDialog> sendDialog_;
    QPointer<ProgressDialog> progressDialog_;
    bool linkLoaded_ = false;
    bool sendDialogLoaded_ = false;
    bool ended_ = false;
};

}  // namespace koru
