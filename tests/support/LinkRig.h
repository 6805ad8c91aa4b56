#pragma once

// The whole send stack on a scripted port and virtual time, with the settings store (for what the settings
// dialog keeps) and the message boxes it talks to, for link, sender and session tests.

#include <memory>

#include "platform/MemorySettingsStore.h"
#include "platform/PortDevices.h"
#include "protocol/link/SendStack.h"
#include "tests/support/FakeSerialPort.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/VirtualClock.h"

namespace koru::test {

inline constexpr const char* kHeader42 = "ORVEN_AB_KORU_SETUP;0000002A;";

struct LinkRig {
    MemorySettingsStore store;
    RecordingMessageBoxes boxes;
    UnitConfiguration config;  // what the editor shows; a send copies it
    SendStack stack{std::make_unique<FakeSerialPort>(), std::make_unique<VirtualClock>(), boxes, config};
    FakeSerialPort& port = static_cast<FakeSerialPort&>(stack.port());
    VirtualClock& clock = static_cast<VirtualClock&>(stack.clock());
    SessionState& session = stack.session();
    SerialLink& link = stack.link();
    PacketSender& sender = stack.sender();
    SendSession& send = stack.send();

    // On COM1, as the program starts.
    LinkRig() { link.setPort(1, DeviceForPort(1, store)); }
};

}  // namespace koru::test
