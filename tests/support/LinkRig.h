#pragma once

// A serial link on a scripted port and virtual time, with everything it talks to, for link tests.

#include "platform/MemorySettingsStore.h"
#include "protocol/SessionState.h"
#include "protocol/link/SerialLink.h"
#include "tests/support/FakeSerialPort.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/VirtualClock.h"

namespace koru::test {

inline constexpr const char* kHeader42 = "ORVEN_AB_KORU_SETUP;0000002A;";

struct LinkRig {
    FakeSerialPort port;
    MemorySettingsStore store;
    RecordingMessageBoxes boxes;
    VirtualClock clock;
    SessionState session;
    SerialLink link{port, store, boxes, clock, session};
};

}  // namespace koru::test
