#pragma once

// A Timer over QTimer. Precise, because the settling pauses set the pace of a whole session.

#include <QTimer>

#include "platform/Timer.h"

namespace koru {

class QtTimer : public Timer {
public:
    QtTimer();
    void start(std::chrono::milliseconds interval) override;
    void stop() override;
    bool isActive() const override;
    void setSingleShot(bool singleShot) override;

private:
    QTimer timer_;
};

}  // namespace koru
