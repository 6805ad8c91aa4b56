#include "platform/QtTimer.h"

namespace koru {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTimeout) onTimeout();
    });
}

void QtTimer::start(std::chrono::milliseconds interval) { timer_.start(interval); }
void QtTimer::stop() { timer_.stop(); }
bool QtTimer::isActive() const { return timer_.isActive(); }
void QtTimer::setSingleShot(bool singleShot) { timer_.setSingleShot(singleShot); }

}  // namespace koru
