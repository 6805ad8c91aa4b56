#pragma once

// Writes one packet at a time and paces the session: before a packet it waits (up to 15 s) until the
// unit has acknowledged the previous one, after it a settling pause of 0.5 s during which replies wait.
// Each hand-over is a pending operation that port events and timers resume; nothing blocks.

#include <QObject>

#include <functional>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "protocol/SessionState.h"
#include "protocol/link/SerialLink.h"

namespace koru {

class PacketSender : public QObject {
    Q_OBJECT

public:
    enum class Mode {
        Normal,    // header + packet + CR LF, after the wait for "OK"
        Override,  // the text as it is, no wait (the start line)
    };
    using Done = std::function<void(bool written)>;

    PacketSender(SerialLink& link, SessionState& session, MessageBoxes& boxes, Clock& clock);
    ~PacketSender() override;

    // Hands one packet over; `done` runs once with the result (true when the packet was written
    // normally), possibly before this returns.
    void send(const std::string& packet, Mode mode, Done done);

    // Gives the session up: the abort line goes out (once per session) before the link is closed, and a
    // pending hand-over ends with false without writing.
    void abort();

    bool busy() const { return phase_ != Phase::Idle; }
    // A packet waits for the unit to acknowledge the one before it.
    bool waitingForAcknowledgement() const { return phase_ == Phase::WaitingForOk; }

signals:
    // A packet line (header, packet, CR LF) went out to the unit.
    void packetWritten();
    // The session was given up ("Error in communication, aborting....").
    void gaveUp();

private:
    enum class Phase { Idle, WaitingForOk, Settling };

    void giveUp();
    void writePacket();
    bool writeLine(const std::string& bytes, std::size_t packetLength);
    void settle();
    void finish(bool result);
    void onStateChanged();

    SerialLink& link_;
    SessionState& session_;
    MessageBoxes& boxes_;
    std::unique_ptr<Timer> deadline_;  // the 15 s acknowledgement wait
    std::unique_ptr<Timer> recheck_;   // looks at the state once the event that changed it is over
    std::unique_ptr<Timer> pause_;     // the settling pause

    Phase phase_ = Phase::Idle;
    std::string packet_;
    bool result_ = true;
    bool portGone_ = false;  // the device went away during the wait
    Done done_;
};

}  // namespace koru
