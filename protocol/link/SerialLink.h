#pragma once

// The serial link: the one port, its stored settings, the modem-line indicators, the reply time-out
// timer, the link log and the receive buffer that gathers the unit's replies. The settings dialog shows
// this object; the send session writes through it. Everything is driven by port and timer events.

#include <QObject>

#include <array>
#include <chrono>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"
#include "protocol/ReplyHandler.h"
#include "protocol/SessionState.h"

namespace koru {

// The option groups of the settings dialog, as control indexes; -1 is "nothing selected".
struct LinkOptions {
    int baud = 5;      // 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200
    int parity = 0;    // N, O, E
    int dataBits = 3;  // 5, 6, 7, 8
    int stopBits = 0;  // 1, 2

    // "9600,N,8,1"; a group with nothing selected contributes an empty part.
    std::string settingsString() const;
    // The groups that show `settings`; a value without an option leaves its group unselected.
    static LinkOptions fromSettings(const std::string& settings);
    bool operator==(const LinkOptions&) const = default;
};

struct LinkIndicators {
    LineState carrierDetect = LineState::Unknown;
    LineState clearToSend = LineState::Unknown;
    LineState dataSetReady = LineState::Unknown;
    LineState dataTerminalReady = LineState::Unknown;
    LineState requestToSend = LineState::Unknown;
    bool operator==(const LinkIndicators&) const = default;
};

class SerialLink : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t kReceiveLimit = 16384;  // a longer receive buffer is thrown away

    SerialLink(SerialPort& port, SettingsStore& store, MessageBoxes& boxes, Clock& clock, SessionState& session);
    ~SerialLink() override;

    // Dialog life cycle.
    void load();
    void activate();  // showing the dialog again: disconnect, then load
    void serialSave();
    void unload();

    void PortConnect_Click();
    void PortDisconnect_Click();
    bool Connect() const { return connected_; }
    void toggleDataTerminalReady();
    void toggleRequestToSend();

    // Sets port number, line settings and time-out directly, as a load would from the store (the
    // command line uses this instead of probing every port).
    void configure(int portNumber, const std::string& settings, std::chrono::milliseconds timeout);

    // The link log: every entry goes in front, so the newest stands first.
    void log(const std::string& entry);
    void clearLog();
    const std::string& linkLog() const { return linkLog_; }

    bool isPortOpen() const { return port_.isOpen(); }
    bool write(const std::string& bytes, PortError& error);

    void setSendTimerEnabled(bool enabled);
    bool sendTimerEnabled() const { return sendTimer_->isActive(); }
    std::chrono::milliseconds sendTimerInterval() const { return timeout_; }
    void startBlinkTimer();
    void stopBlinkTimer();
    bool transferIndicatorBright() const { return workingBright_; }

    // While held, port events and time-out ticks wait; they are handled when released (the settling
    // pause after a written line).
    void holdEvents();
    void releaseEvents();

    // View state of the dialog.
    int portNumber() const { return portNumber_; }
    bool portOptionEnabled(int number) const { return portOptionEnabled_.at(static_cast<std::size_t>(number)); }
    int selectedPortOption() const { return selectedPortOption_; }  // 0: none
    void selectPortOption(int number) { selectedPortOption_ = number; }
    const LinkOptions& options() const { return options_; }
    void setOptions(const LinkOptions& options) { options_ = options; }
    int sliderValue() const { return slider_; }  // whole seconds
    void setSliderValue(int seconds) { slider_ = seconds; }
    bool connectEnabled() const { return !disconnectEnabled_; }
    bool disconnectEnabled() const { return disconnectEnabled_; }
    const LinkIndicators& indicators() const { return indicators_; }
    const std::string& stateDisplay() const { return stateDisplay_; }
    const std::string& receiveBuffer() const { return receiveBuffer_; }

signals:
    void logChanged();
    void indicatorsChanged();
    void sessionStateChanged();  // after every state event, also those inside reply handling
    void portLost(const QString& detail);
    void showRequested();  // a connect failure shows the dialog
    void hideRequested();

private:
    void setPortNumber(int number);
    bool probe(int number);
    void logPortError(const PortError& error);
    void loadFailure(const PortError& error);
    void setTimeout(std::chrono::milliseconds timeout);
    void onPortEvent(PortEvent event, const std::string& detail);
    void receive();
    void onSendTimeout();
    void refreshIndicators();

    SerialPort& port_;
    SettingsStore& store_;
    MessageBoxes& boxes_;
    SessionState& session_;
    ReplyHandler replies_;
    std::unique_ptr<Timer> sendTimer_;
    std::unique_ptr<Timer> blinkTimer_;

    int portNumber_ = 1;
    bool connected_ = false;
    bool disconnectEnabled_ = false;
    std::array<bool, 4> portOptionEnabled_{false, true, true, true};  // index 0 unused
    int selectedPortOption_ = 1;
    LinkOptions options_;
    std::chrono::milliseconds timeout_;
    int slider_ = 3;
    LinkIndicators indicators_;
    std::string linkLog_ = "debug output";
    std::string receiveBuffer_;
    std::string stateDisplay_;
    bool workingBright_ = true;

    bool held_ = false;
    bool pendingReceive_ = false;
    bool pendingTick_ = false;
    bool pendingLost_ = false;
    std::string lostDetail_;
};

}  // namespace koru
