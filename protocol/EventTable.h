#pragma once

// The events the unit can run actions on, with their fixed event numbers, in the order their
// event-action pairs are sent. Remote events have no number and are not sent.

#include <string>
#include <vector>

#include "model/UnitConfiguration.h"

namespace koru {

// The unit's event numbers: single events, and the first number of each numbered run (masks, received
// messages, message types, timers, counters).
enum class UnitEvent {
    UnitBooting = 1,
    SleepEvent = 2,
    OnSerial = 16,
    SerialError = 17,
    FirstMessageType = 32,
    OnRadio = 48,
    RadioAck = 49,
    RadioNak = 50,
    NoReceipt = 51,
    RadioError = 52,
    FirstTimer = 80,
    Offline = 90,
    Online = 91,
    FirstMask = 96,
    FirstReceivedMessage = 128,
    NoMatchSerial = 158,
    NoMatchRadio = 159,
    FirstCounterOnZero = 160,
    FirstCounterOnCounter = 176,
};

// The number of `event`, or of the event `offset` places after it in its run.
inline constexpr int EventNumber(UnitEvent event, int offset = 0) {
    return static_cast<int>(event) + offset;
}

struct EventList {
    int number;               // the unit's event number
    bool on;                  // the event's enabling flag
    const TextList* actions;  // the event's action entries, in list order
    std::string section;      // where the technician finds it
    std::string subsection;
};

std::vector<EventList> EventsInSendingOrder(const UnitConfiguration& config);

}  // namespace koru
