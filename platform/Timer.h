#pragma once

// A repeating or one-shot timer with a millisecond interval. Starting a running timer restarts its
// interval.

#include <chrono>
#include <functional>

namespace koru {

class Timer {
public:
    virtual ~Timer() = default;
    virtual void start(std::chrono::milliseconds interval) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual void setSingleShot(bool singleShot) = 0;

    std::function<void()> onTimeout;
};

}  // namespace koru
