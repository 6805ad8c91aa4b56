#include "protocol/link/SendStack.h"

#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"

namespace koru {

SendStack::SendStack(std::unique_ptr<SerialPort> port, std::unique_ptr<Clock> clock, MessageBoxes& boxes,
                     const UnitConfiguration& config)
    : port_(std::move(port)),
      clock_(std::move(clock)),
      link_(*port_, boxes, *clock_, session_),
      sender_(link_, session_, boxes, *clock_),
      send_(link_, sender_, session_, boxes, config) {}

SendStack::~SendStack() = default;

std::unique_ptr<SendStack> SendStack::Live(MessageBoxes& boxes, const UnitConfiguration& config) {
    return std::make_unique<SendStack>(std::make_unique<QtSerialPort>(), std::make_unique<QtClock>(), boxes, config);
}

}  // namespace koru
