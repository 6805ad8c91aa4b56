#include "platform/QtClock.h"

#include "platform/QtTimer.h"

namespace koru {

QtClock::QtClock() { elapsed_.start(); }

std::chrono::milliseconds QtClock::now() const { return std::chrono::milliseconds(elapsed_.elapsed()); }

std::unique_ptr<Timer> QtClock::createTimer() { return std::make_unique<QtTimer>(); }

}  // namespace koru
