#include "tests/support/ScriptedUnit.h"

namespace koru::test {

namespace {

constexpr std::chrono::milliseconds kDefaultDelay{50};

}  // namespace

ScriptedUnit::ScriptedUnit(FakeSerialPort& port, Clock& clock, SimulatorOptions options)
    : port_(port), clock_(clock), unit_(std::move(options)) {
    port_.onWrite = [this](const std::string& bytes) { onWrite(bytes); };
}

void ScriptedUnit::onWrite(const std::string& bytes) {
    pending_ += bytes;
    for (auto end = pending_.find("\r\n"); end != std::string::npos; end = pending_.find("\r\n")) {
        const SimulatedUnit::Answer answer = unit_.onLine(pending_.substr(0, end));
        pending_.erase(0, end + 2);
        if (answer.hangUp) {
            later([this] { port_.loseDevice(); });
        } else if (!answer.reply.empty()) {
            later([this, reply = answer.reply] { port_.receive(reply); });
        }
    }
}

void ScriptedUnit::later(std::function<void()> action) {
    const auto delay = unit_.options().delay.count() > 0 ? unit_.options().delay : kDefaultDelay;
    std::unique_ptr<Timer> timer = clock_.createTimer();
    timer->setSingleShot(true);
    timer->onTimeout = std::move(action);
    timer->start(delay);
    timers_.push_back(std::move(timer));
}

}  // namespace koru::test
