#pragma once

// A simulated unit on the scripted port and virtual time: it answers every line the link writes as the
// pseudo-terminal simulator would, after `options.delay` (50 ms when none is given) of virtual time,
// and can take the device away instead of answering.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "protocol/link/SimulatedUnit.h"
#include "tests/support/FakeSerialPort.h"

namespace koru::test {

class ScriptedUnit {
public:
    ScriptedUnit(FakeSerialPort& port, Clock& clock, SimulatorOptions options = {});

    int packetsReceived() const { return unit_.packetsReceived(); }

private:
    void onWrite(const std::string& bytes);
    void later(std::function<void()> action);

    FakeSerialPort& port_;
    Clock& clock_;
    SimulatedUnit unit_;
    std::string pending_;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace koru::test
