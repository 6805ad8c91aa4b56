#pragma once

// Where time comes from: a monotonic clock and the timers that run on it. The live program uses Qt's
// event loop; tests use virtual time.

#include <chrono>
#include <memory>

#include "platform/Timer.h"

namespace koru {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::milliseconds now() const = 0;
    virtual std::unique_ptr<Timer> createTimer() = 0;
};

}  // namespace koru
