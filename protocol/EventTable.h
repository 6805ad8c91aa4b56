#pragma once

// The events the unit can run actions on, with their fixed event numbers, in the order their
// event-action pairs are sent. Remote events have no number and are not sent.

#include <string>
#include <vector>

#include "model/UnitConfiguration.h"

namespace koru {

struct EventList {
    int number;               // the unit's event number
    bool on;                  // the event's enabling flag
    const TextList* actions;  // the event's action entries, in list order
    std::string section;      // where the technician finds it
    std::string subsection;
};

std::vector<EventList> EventsInSendingOrder(const UnitConfiguration& config);

}  // namespace koru
