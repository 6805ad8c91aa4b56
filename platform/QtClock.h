#pragma once

// Real time: QElapsedTimer for the clock, precise QTimers on the event loop for the timers.

#include <QElapsedTimer>

#include "platform/Clock.h"

namespace koru {

class QtClock : public Clock {
public:
    QtClock();
    std::chrono::milliseconds now() const override;
    std::unique_ptr<Timer> createTimer() override;

private:
    QElapsedTimer elapsed_;
};

}  // namespace koru
