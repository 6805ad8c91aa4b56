#include "protocol/EventTable.h"

namespace koru {

std::vector<EventList> EventsInSendingOrder(const UnitConfiguration& config) {
    std::vector<EventList> events;
    events.reserve(kMaskCount + kMessageCount + 2 + kMessageTypeCount + kTimerCount + 2 * kCounterCount + 11);
    for (int n = 0; n < kMaskCount; ++n) {
        const IoMask& mask = config.ioEvents.masks[static_cast<std::size_t>(n)];
        events.push_back({EventNumber(UnitEvent::FirstMask, n), mask.on, &mask.actions, "I/O event",
                          "+Mask" + std::to_string(n + 1)});
    }
    const MessageEventSection& messages = config.messageEvents;
    for (int n = 0; n < kMessageCount; ++n) {
        const MessageEvent& message = messages.messages[static_cast<std::size_t>(n)];
        events.push_back({EventNumber(UnitEvent::FirstReceivedMessage, n), message.on, &message.actions,
                          "Message event", "+Message" + std::to_string(n + 1)});
    }
    events.push_back({EventNumber(UnitEvent::NoMatchSerial), messages.noMatchSerial.on,
                      &messages.noMatchSerial.actions, "Message event", "+No match serial"});
    events.push_back({EventNumber(UnitEvent::NoMatchRadio), messages.noMatchRadio.on,
                      &messages.noMatchRadio.actions, "Message event", "+No match radio"});
    static constexpr const char* kTypeNames[kMessageTypeCount] = {
        "+Transparant", "+Question", "+IO command", "+Remote", "+Broadcast", "+Configuration"};
    for (int s = 0; s < kMessageTypeCount; ++s) {
        const EventActions& type = messages.types[static_cast<std::size_t>(s)];
        events.push_back({EventNumber(UnitEvent::FirstMessageType, s), type.on, &type.actions,
                          "Message event", kTypeNames[s]});
    }
    for (int n = 0; n < kTimerCount; ++n) {
        const EventActions& timer = config.timerEvents[static_cast<std::size_t>(n)];
        events.push_back({EventNumber(UnitEvent::FirstTimer, n), timer.on, &timer.actions, "Timer event",
                          "+Timer" + std::to_string(n + 1)});
    }
    for (int n = 0; n < kCounterCount; ++n) {
        const CounterEvent& counter = config.counterEvents[static_cast<std::size_t>(n)];
        events.push_back({EventNumber(UnitEvent::FirstCounterOnZero, n), counter.on, &counter.onZero,
                          "Counter event", "+Counter" + std::to_string(n + 1) + " (On zero)"});
    }
    for (int n = 0; n < kCounterCount; ++n) {
        const CounterEvent& counter = config.counterEvents[static_cast<std::size_t>(n)];
        events.push_back({EventNumber(UnitEvent::FirstCounterOnCounter, n), counter.on, &counter.onCounter,
                          "Counter event", "+Counter" + std::to_string(n + 1) + " (On counter)"});
    }
    struct Comm {
        CommEvent event;
        UnitEvent number;
        const char* name;
    };
    static constexpr Comm kComm[] = {
        {CommEvent::OnRadio, UnitEvent::OnRadio, "+On radio"},
        {CommEvent::RadioAck, UnitEvent::RadioAck, "+Radio ACK"},
        {CommEvent::RadioNak, UnitEvent::RadioNak, "+Radio NAK"},
        {CommEvent::NoReceipt, UnitEvent::NoReceipt, "+No receipt"},
        {CommEvent::RadioError, UnitEvent::RadioError, "+Radio error"},
        {CommEvent::Online, UnitEvent::Online, "+Online"},
        {CommEvent::Offline, UnitEvent::Offline, "+Offline"},
        {CommEvent::UnitBooting, UnitEvent::UnitBooting, "+Unit booting"},
        {CommEvent::OnSerial, UnitEvent::OnSerial, "+On serial"},
        {CommEvent::SerialError, UnitEvent::SerialError, "+Serial error"},
    };
    for (const Comm& comm : kComm) {
        const EventActions& event = config.commEvent(comm.event);
        events.push_back(
            {EventNumber(comm.number), event.on, &event.actions, "Communication event", comm.name});
    }
    events.push_back({EventNumber(UnitEvent::SleepEvent), config.ioEvents.sleepOn,
                      &config.ioEvents.sleepActions, "I/O event", "+Sleep event"});
    return events;
}

}  // namespace koru
