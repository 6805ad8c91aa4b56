#include "protocol/EventTable.h"

namespace koru {

std::vector<EventList> EventsInSendingOrder(const UnitConfiguration& config) {
    std::vector<EventList> events;
    events.reserve(kMaskCount + kMessageCount + 2 + kMessageTypeCount + kTimerCount + 2 * kCounterCount + 11);
    for (int n = 0; n < kMaskCount; ++n) {
        const IoMask& mask = config.ioEvents.masks[static_cast<std::size_t>(n)];
        events.push_back({96 + n, mask.on, &mask.actions, "I/O event", "+Mask" + std::to_string(n + 1)});
    }
    const MessageEventSection& messages = config.messageEvents;
    for (int n = 0; n < kMessageCount; ++n) {
        const MessageEvent& message = messages.messages[static_cast<std::size_t>(n)];
        events.push_back({128 + n, message.on, &message.actions, "Message event", "+Message" + std::to_string(n + 1)});
    }
    events.push_back({158, messages.noMatchSerial.on, &messages.noMatchSerial.actions, "Message event", "+No match serial"});
    events.push_back({159, messages.noMatchRadio.on, &messages.noMatchRadio.actions, "Message event", "+No match radio"});
    static constexpr const char* kTypeNames[kMessageTypeCount] = {"+Transparant", "+Question", "+IO command",
                                                                 "+Remote", "+Broadcast", "+Configuration"};
    for (int s = 0; s < kMessageTypeCount; ++s) {
        const EventActions& type = messages.types[static_cast<std::size_t>(s)];
        events.push_back({32 + s, type.on, &type.actions, "Message event", kTypeNames[s]});
    }
    for (int n = 0; n < kTimerCount; ++n) {
        const EventActions& timer = config.timerEvents[static_cast<std::size_t>(n)];
        events.push_back({80 + n, timer.on, &timer.actions, "Timer event", "+Timer" + std::to_string(n + 1)});
    }
    for (int n = 0; n < kCounterCount; ++n) {
        const CounterEvent& counter = config.counterEvents[static_cast<std::size_t>(n)];
        events.push_back({160 + n, counter.on, &counter.onZero, "Counter event",
                          "+Counter" + std::to_string(n + 1) + " (On zero)"});
    }
    for (int n = 0; n < kCounterCount; ++n) {
        const CounterEvent& counter = config.counterEvents[static_cast<std::size_t>(n)];
        events.push_back({176 + n, counter.on, &counter.onCounter, "Counter event",
                          "+Counter" + std::to_string(n + 1) + " (On counter)"});
    }
    struct Comm {
        CommEvent event;
        int number;
        const char* name;
    };
    static constexpr Comm kComm[] = {
        {CommEvent::OnRadio, 48, "+On radio"},     {CommEvent::RadioAck, 49, "+Radio ACK"},
        {CommEvent::RadioNak, 50, "+Radio NAK"},   {CommEvent::NoReceipt, 51, "+No receipt"},
        {CommEvent::RadioError, 52, "+Radio error"}, {CommEvent::Online, 91, "+Online"},
        {CommEvent::Offline, 90, "+Offline"},      {CommEvent::UnitBooting, 1, "+Unit booting"},
        {CommEvent::OnSerial, 16, "+On serial"},   {CommEvent::SerialError, 17, "+Serial error"},
    };
    for (const Comm& comm : kComm) {
        const EventActions& event = config.commEvent(comm.event);
        events.push_back({comm.number, event.on, &event.actions, "Communication event", comm.name});
    }
    events.push_back({2, config.ioEvents.sleepOn, &config.ioEvents.sleepActions, "I/O event", "+Sleep event"});
    return events;
}

}  // namespace koru
