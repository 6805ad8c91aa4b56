#include "tests/support/VirtualClock.h"

#include <algorithm>

namespace koru::test {

class VirtualClock::VirtualTimer : public Timer {
public:
    explicit VirtualTimer(VirtualClock& clock) : clock_(&clock) { clock.timers_.push_back(this); }
    ~VirtualTimer() override {
        if (clock_ == nullptr) return;
        auto& timers = clock_->timers_;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }
    void start(std::chrono::milliseconds interval) override {
        interval_ = interval;
        due_ = clock_->now_ + interval;
        order_ = ++clock_->sequence_;
        active_ = true;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    void setSingleShot(bool singleShot) override { singleShot_ = singleShot; }

    VirtualClock* clock_;
    std::chrono::milliseconds interval_{0};
    std::chrono::milliseconds due_{0};
    std::uint64_t order_ = 0;
    bool active_ = false;
    bool singleShot_ = false;
};

VirtualClock::~VirtualClock() {
    for (VirtualTimer* timer : timers_) timer->clock_ = nullptr;
}

std::unique_ptr<Timer> VirtualClock::createTimer() { return std::make_unique<VirtualTimer>(*this); }

void VirtualClock::advance(std::chrono::milliseconds by) {
    const auto target = now_ + by;
    for (;;) {
        VirtualTimer* next = nullptr;
        for (VirtualTimer* timer : timers_) {
            if (!timer->active_ || timer->due_ > target) continue;
            if (next == nullptr || timer->due_ < next->due_ || (timer->due_ == next->due_ && timer->order_ < next->order_)) {
                next = timer;
            }
        }
        if (next == nullptr) break;
        now_ = next->due_;
        if (next->singleShot_) {
            next->active_ = false;
        } else {
            next->due_ = now_ + std::max(next->interval_, std::chrono::milliseconds(1));
            next->order_ = ++sequence_;
        }
        if (next->onTimeout) next->onTimeout();
    }
    now_ = target;
}

}  // namespace koru::test
