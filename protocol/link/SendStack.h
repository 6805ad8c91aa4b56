#pragma once

// Everything a send runs on, built once in the right order and owned in one place: the serial port, the
// clock, the session values, the link, the packet sender and the send session. The window and `korucfg send` use the real port and clock; tests hand in a scripted port
// and virtual time.

#include <memory>

#include "model/UnitConfiguration.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/SerialPort.h"
#include "protocol/SessionState.h"
#include "protocol/link/PacketSender.h"
#include "protocol/link/SendSession.h"
#include "protocol/link/SerialLink.h"

namespace koru {

class SendStack {
public:
    // `config` is the configuration the editor shows; each send copies it when it starts.
    SendStack(std::unique_ptr<SerialPort> port, std::unique_ptr<Clock> clock, MessageBoxes& boxes,
              const UnitConfiguration& config);
    ~SendStack();
    SendStack(const SendStack&) = delete;
    SendStack& operator=(const SendStack&) = delete;

    // On a real serial port and the event loop's timers.
    static std::unique_ptr<SendStack> Live(MessageBoxes& boxes, const UnitConfiguration& config);

    SerialPort& port() { return *port_; }
    Clock& clock() { return *clock_; }
    SessionState& session() { return session_; }
    SerialLink& link() { return link_; }
    PacketSender& sender() { return sender_; }
    SendSession& send() { return send_; }

private:
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<Clock> clock_;
    SessionState session_;
    SerialLink link_;
    PacketSender sender_;
    SendSession send_;
};

}  // namespace koru
