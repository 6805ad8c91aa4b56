#pragma once

// The serial link: the one port, the receive buffer that gathers the unit's replies and hands each
// complete one to the reply handling, the reply time-out timer with its three-time-outs rule, the
// modem-line and transfer indicators, and the link log. The packet sender writes through it; the
// settings dialog's state (editor/send/LinkSettings) chooses its port, line settings and time-out. Everything is
// driven by port and timer events.

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/SerialPort.h"
#include "protocol/ReplyHandler.h"
#include "protocol/SessionState.h"
#include "protocol/link/LinkLog.h"

namespace koru {

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
    static constexpr std::size_t kFloodRead = 4096;      // a read this long is no reply: the line floods

    SerialLink(SerialPort& port, MessageBoxes& boxes, Clock& clock, SessionState& session);
    ~SerialLink() override;

    // The port number (1 to 3) and the device it names, the line settings ("9600,n,8,1") and the reply
    // time-out (clamped to what the timer takes).
    void setPort(int number, const std::string& device);
    int portNumber() const { return portNumber_; }
    bool setLineSettings(const std::string& settings, PortError& error);
    std::string lineSettings() const { return port_.settings(); }
    void setReplyTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds replyTimeout() const { return timeout_; }

    // Opens and closes the port once, to learn whether it exists.
    bool probe(PortError& error);

    // Opens the link; a failure shows and logs "Error connecting. " with the device and the reason and
    // asks for the settings dialog. Closing also clears the connected state.
    void connectPort();
    void disconnectPort();
    bool connected() const { return connected_; }
    bool isPortOpen() const { return port_.isOpen(); }
    bool write(const std::string& bytes, PortError& error) { return port_.write(bytes, error); }

    void toggleDataTerminalReady();
    void toggleRequestToSend();
    const LinkIndicators& indicators() const { return indicators_; }

    // The link log. A time-out entry counts toward the three-time-outs rule; any other entry breaks the
    // run, and emptying the log forgets it.
    void log(const std::string& entry);
    void clearLog();
    const LinkLog& linkLog() const { return log_; }

    const std::string& receiveBuffer() const { return receiveBuffer_; }
    void clearReceiveBuffer() { receiveBuffer_.clear(); }

    void setSendTimerEnabled(bool enabled);
    bool sendTimerEnabled() const { return sendTimer_->isActive(); }
    void startBlinkTimer();
    void stopBlinkTimer();
    bool transferIndicatorBright() const { return workingBright_; }

    // While held, port events and time-out ticks wait; they are handled when released (the settling
    // pause after a written line).
    void holdEvents();
    void releaseEvents();

    // The session-state box: the state after every state event, "ok" after a forced one.
    const std::string& stateDisplay() const { return stateDisplay_; }

signals:
    void connectionChanged(bool connected);
    void indicatorsChanged();
    void transferIndicatorChanged();
    void sessionStateChanged();  // after every state event, also those inside reply handling
    void portLost(const QString& detail);
    void connectFailed();  // the settings dialog should be shown
    // A complete reply was read; tells the send what became of the packet it awaits.
    void replyRead(koru::ReplyKind kind, const std::string& errorCode);

private:
    void onPortEvent(PortEvent event, const std::string& detail);
    void receive();
    void receivePending();
    void onSendTimeout();
    void refreshIndicators();
    void setTransferBright(bool bright);
    void showMessage(const std::string& text, const std::string& title, MessageIcon icon);

    SerialPort& port_;
    MessageBoxes& boxes_;
    SessionState& session_;
    ReplyHandler replies_;
    std::unique_ptr<Timer> sendTimer_;
    std::unique_ptr<Timer> blinkTimer_;
    std::unique_ptr<Timer> floodPause_;  // after a flood-sized read, the next one waits
    LinkLog log_;

    int portNumber_ = 1;
    bool connected_ = false;
    std::chrono::milliseconds timeout_;
    LinkIndicators indicators_;
    std::string receiveBuffer_;
    std::string stateDisplay_;
    bool workingBright_ = true;
    bool messageOpen_ = false;  // one of the link's message boxes is on the screen

    int timeoutsInARow_ = 0;            // time-out entries since the last other entry
    bool threeTimeoutsLogged_ = false;  // three stood together since the log was last emptied

    bool held_ = false;
    bool pendingReceive_ = false;
    bool pendingTick_ = false;
    bool pendingLost_ = false;
    std::string lostDetail_;
};

}  // namespace koru
