#pragma once

// Virtual time for the link: timers fire only when a test advances the clock, in the order they are
// due, each seeing the clock at its own due time.

#include <cstdint>
#include <vector>

#include "platform/Clock.h"

namespace koru::test {

class VirtualClock : public Clock {
public:
    ~VirtualClock() override;
    std::chrono::milliseconds now() const override { return now_; }
    std::unique_ptr<Timer> createTimer() override;

    // Moves time forward, firing every timer that falls due on the way (zero-delay ones too).
    void advance(std::chrono::milliseconds by);
    void runPending() { advance(std::chrono::milliseconds(0)); }

private:
    class VirtualTimer;
    friend class VirtualTimer;

    std::chrono::milliseconds now_{0};
    std::uint64_t sequence_ = 0;
    std::vector<VirtualTimer*> timers_;
};

}  // namespace koru::test
