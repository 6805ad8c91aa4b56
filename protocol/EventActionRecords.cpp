// Record 13: one pair for every action in the list of every enabled event, with the event's fixed
// number and the action's number from record 12 of the same send.

#include <string>

#include "model/EventTable.h"
#include "protocol/RecordWriter.h"
#include "protocol/SendLimits.h"

namespace koru {

EncoderSteps EncodeEventActions(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::EventActions, config, context);
    const std::vector<EventList> events = EventsInPairOrder(config);
    std::size_t pairs = 0;
    for (const EventList& event : events) {
        if (event.on) pairs += event.actions->size();
    }
    out.setOrigin("Events");
    if (pairs > static_cast<std::size_t>(kMaxPairs)) out.messageBox(kTooManyPairsText);

    const std::string prefix = "13:" + std::to_string(pairs) + ":";
    std::size_t pair = 0;
    for (const EventList& event : events) {
        if (!event.on) continue;
        const std::string eventField = ":" + std::to_string(event.number) + ":";
        for (const std::string& entry : *event.actions) {
            out.setOrigin(event.section, event.subsection);
            out.append(prefix);
            out.append(std::to_string(pair));
            out.append(eventField);
            out.append(context.actionTable.find(entry));
            out.append(";");
            ++pair;
            out.handOverAbove(kHandOverLimit);
        }
    }
    out.handOver();
    return out.take();
}

}  // namespace koru
