#include "model/EventTable.h"

#include <algorithm>

namespace koru {

namespace {

using C = UnitConfiguration;
using S = Section;
using D = EventDetails;

// Accessors as plain function pointers: `i` is the event's place in its run.
#define AT(expr) +[](C & c, int i) -> auto& { (void)i; return expr; }

template <CommEvent E>
bool& CommOn(C& c, int) { return c.commEvent(E).on; }
template <CommEvent E>
TextList& CommActions(C& c, int) { return c.commEvent(E).actions; }
template <MessageType T>
bool& TypeOn(C& c, int) { return c.messageType(T).on; }
template <MessageType T>
TextList& TypeActions(C& c, int) { return c.messageType(T).actions; }

// The rows, in file order.
std::vector<EventDescription> BuildEvents() {
    using CE = CommEvent;
    using MT = MessageType;
    const auto type = [](std::string_view heading, auto on, auto actions, MT slot, int pairRank,
                         std::string_view caption, bool switchable) {
        const int index = static_cast<int>(slot);
        return EventDescription{.section = S::MessageEvent, .heading = heading, .on = on, .actions = actions,
                                .number = 32 + index, .pairRank = pairRank, .switchable = switchable,
                                .onControl = "chkTypeOfMessageOn", .listControl = "lstTypeOfMessActions",
                                .buttonControl = "cmdAddActionsTypeOfMessage", .firstIndex = index,
                                .frameControl = "fraTypeOfMessOnOff", .frameIndex = index,
                                .box = "Type of message events", .caption = caption};
    };
    return {
        {.section = S::IoEvent, .heading = "+Mask", .on = AT(c.ioEvents.masks[i].on),
         .actions = AT(c.ioEvents.masks[i].actions), .count = kMaskCount, .details = D::MaskCells, .number = 96,
         .pairRank = 1, .switchRecord = 6, .onControl = "chkBitMaskOn", .listControl = "lstBitMask",
         .buttonControl = "cmdAddActionBitMask", .firstIndex = 0, .frameControl = "fraMask", .box = "I/O events",
         .rowName = "Mask %1", .onCaption = "On Mask %1"},
        {.section = S::IoEvent, .heading = "+Sleep event", .on = AT(c.ioEvents.sleepOn),
         .actions = AT(c.ioEvents.sleepActions), .onKey = "SleepOn", .actionsKey = "SleepActions",
         .readAnywhere = true, .number = 2, .pairRank = 24, .onControl = "chkSleepOn",
         .listControl = "lstSleepActions", .buttonControl = "cmdAddActionSleep", .frameControl = "fraSleepActions",
         .box = "Sleep event", .caption = "Sleep input activated:"},

        {.section = S::TimerEvent, .heading = "+Timer", .on = AT(c.timerEvents[i].on),
         .actions = AT(c.timerEvents[i].actions), .count = kTimerCount, .number = 80, .pairRank = 11,
         .switchRecord = 8, .onControl = "chkTimerOn", .listControl = "lstTimer", .buttonControl = "cmdAddActionTimer",
         .firstIndex = 0, .frameControl = "fraTimerOnOff", .box = "Timer events", .caption = "Timer %1:"},

        {.section = S::CommunicationEvent, .heading = "+Online", .on = CommOn<CE::Online>,
         .actions = CommActions<CE::Online>, .number = 91, .pairRank = 19, .onControl = "chkUnitOnline",
         .listControl = "lstUnitOnlineActions", .buttonControl = "cmdAddActionUnitOnline",
         .frameControl = "fraCommOnOff", .frameIndex = 1, .box = "Network events", .caption = "Unit online:",
         .rowName = "Network: unit online"},
        {.section = S::CommunicationEvent, .heading = "+Offline", .on = CommOn<CE::Offline>,
         .actions = CommActions<CE::Offline>, .number = 90, .pairRank = 20, .onControl = "chkUnitOffline",
         .listControl = "lstUnitOfflineActions", .buttonControl = "cmdAddActionUnitOffline",
         .frameControl = "fraCommOnOff", .frameIndex = 2, .box = "Network events", .caption = "Unit offline:",
         .rowName = "Network: unit offline"},
        {.section = S::CommunicationEvent, .heading = "+On radio", .on = CommOn<CE::OnRadio>,
         .actions = CommActions<CE::OnRadio>, .number = 48, .pairRank = 14, .onControl = "chkRadioMessage",
         .listControl = "lstRadioMessActions", .buttonControl = "cmdAddActionOnRadio",
         .frameControl = "fraCommOnOff", .frameIndex = 3, .box = "Radio events", .caption = "Package received:",
         .rowName = "Radio: package received"},
        {.section = S::CommunicationEvent, .heading = "+Radio error", .on = CommOn<CE::RadioError>,
         .actions = CommActions<CE::RadioError>, .number = 52, .pairRank = 18, .onControl = "chkRadioError",
         .listControl = "lstRadioErrorAction", .buttonControl = "cmdAddActionRadioError",
         .frameControl = "fraCommOnOff", .frameIndex = 7, .box = "Radio events", .caption = "Receiving error:",
         .rowName = "Radio: receiving error"},
        {.section = S::CommunicationEvent, .heading = "+Radio ACK", .on = CommOn<CE::RadioAck>,
         .actions = CommActions<CE::RadioAck>, .number = 49, .pairRank = 15, .onControl = "chkRadioACK",
         .listControl = "lstRadioAckActions", .buttonControl = "cmdAddActionRadioAck",
         .frameControl = "fraCommOnOff", .frameIndex = 5, .box = "Radio events",
         .caption = "Acknowledge received: ", .rowName = "Radio: acknowledge received"},
        {.section = S::CommunicationEvent, .heading = "+Radio NAK", .on = CommOn<CE::RadioNak>,
         .actions = CommActions<CE::RadioNak>, .number = 50, .pairRank = 16, .onControl = "chkRadioNAK",
         .listControl = "lstRadioNakActions", .buttonControl = "cmdAddActionRadioNak",
         .frameControl = "fraCommOnOff", .frameIndex = 6, .box = "Radio events",
         .caption = "Not-acknowledge received: ", .rowName = "Radio: not-acknowledge received"},
        {.section = S::CommunicationEvent, .heading = "+No receipt", .on = CommOn<CE::NoReceipt>,
         .actions = CommActions<CE::NoReceipt>, .number = 51, .pairRank = 17, .onControl = "chkNoReceipt",
         .listControl = "lstNoReceiptActions", .buttonControl = "cmdAddActionNoReciept",
         .frameControl = "fraCommOnOff", .frameIndex = 0, .box = "Radio events",
         .caption = "No receipt on transmission:", .rowName = "Radio: no receipt on transmission"},
        {.section = S::CommunicationEvent, .heading = "+On serial", .on = CommOn<CE::OnSerial>,
         .actions = CommActions<CE::OnSerial>, .number = 16, .pairRank = 22, .onControl = "chkSerialMessage",
         .listControl = "lstSerialMessActions", .buttonControl = "cmdAddActionOnSerial",
         .frameControl = "fraCommOnOff", .frameIndex = 4, .box = "Serial communcation events",
         .caption = "Package received:", .rowName = "Serial: package received"},
        {.section = S::CommunicationEvent, .heading = "+Serial error", .on = CommOn<CE::SerialError>,
         .actions = CommActions<CE::SerialError>, .number = 17, .pairRank = 23, .onControl = "chkSerialError",
         .listControl = "lstSerialErrorAction", .buttonControl = "cmdAddActionSerialError",
         .frameControl = "fraCommOnOff", .frameIndex = 8, .box = "Serial communcation events",
         .caption = "Receiving error:", .rowName = "Serial: receiving error"},
        {.section = S::CommunicationEvent, .heading = "+Unit booting", .on = CommOn<CE::UnitBooting>,
         .actions = CommActions<CE::UnitBooting>, .number = 1, .pairRank = 21, .onControl = "chkUnitBootingOn",
         .listControl = "lstUnitBooting", .buttonControl = "cmdAddActionsUnitBooting",
         .frameControl = "fraUnitBoootingOnOff", .box = "Unit events", .caption = "Unit booting:",
         .rowName = "Unit: unit booting"},

        // A counter has one switch for its two lists: "On counter:" (Actions1) and "On zero:" (Actions2).
        {.section = S::CounterEvent, .heading = "+Counter", .on = AT(c.counterEvents[i].on),
         .actions = AT(c.counterEvents[i].onCounter), .count = kCounterCount, .actionsKey = "Actions1",
         .number = 176, .pairRank = 13, .switchRecord = 14, .onControl = "chkCounterOn", .listControl = "lstCounter",
         .buttonControl = "cmdAddActionCounter", .firstIndex = 0, .frameControl = "fraCounterOnOff",
         .box = "Counter events", .caption = "Counter %1:", .listCaption = "On counter:"},
        {.section = S::CounterEvent, .heading = "+Counter", .on = AT(c.counterEvents[i].on),
         .actions = AT(c.counterEvents[i].onZero), .count = kCounterCount, .actionsKey = "Actions2",
         .sharesOn = true, .number = 160, .pairRank = 12, .switchRecord = 14, .onControl = "chkCounterOn",
         .listControl = "lstCounterZero", .buttonControl = "cmdAddActionsCounterZero", .firstIndex = 0,
         .frameControl = "fraCounterOnOff", .box = "Counter events", .caption = "Counter %1:",
         .listCaption = "On zero:"},

        // 20 received texts, the two no-match events (elements 20 and 21 of the message arrays) and the
        // message types, Configuration (type slot 5) written before Remote and Broadcast.
        {.section = S::MessageEvent, .heading = "+Message", .on = AT(c.messageEvents.messages[i].on),
         .actions = AT(c.messageEvents.messages[i].actions), .count = kMessageCount, .details = D::MessageMatch,
         .number = 128, .pairRank = 2, .switchRecord = 7, .onControl = "chkMessageOn", .listControl = "lstMessage",
         .buttonControl = "cmdAddActionMessage", .firstIndex = 0, .frameControl = "fraMessageOnOff",
         .box = "Message events", .caption = "Message %1:"},
        {.section = S::MessageEvent, .heading = "+No match radio", .on = AT(c.messageEvents.noMatchRadio.on),
         .actions = AT(c.messageEvents.noMatchRadio.actions), .number = 159, .pairRank = 4,
         .onControl = "chkMessageOn", .listControl = "lstMessage", .buttonControl = "cmdAddActionMessage",
         .firstIndex = kMessageCount, .frameControl = "fraMessageOnOff", .frameIndex = kMessageCount,
         .box = "Message events", .caption = "No match:", .caption2 = "Radio:"},
        {.section = S::MessageEvent, .heading = "+No match serial", .on = AT(c.messageEvents.noMatchSerial.on),
         .actions = AT(c.messageEvents.noMatchSerial.actions), .number = 158, .pairRank = 3,
         .onControl = "chkMessageOn", .listControl = "lstMessage", .buttonControl = "cmdAddActionMessage",
         .firstIndex = kMessageCount + 1, .frameControl = "fraMessageOnOff", .frameIndex = kMessageCount + 1,
         .box = "Message events", .caption = "No match:", .caption2 = "Serial interface:"},
        type("+Transparant", TypeOn<MT::Transparant>, TypeActions<MT::Transparant>, MT::Transparant, 5,
             "Transparent message:", true),
        type("+Question", TypeOn<MT::Question>, TypeActions<MT::Question>, MT::Question, 6, "Question:", false),
        type("+IO command", TypeOn<MT::IoCommand>, TypeActions<MT::IoCommand>, MT::IoCommand, 7, "I/O command:", true),
        type("+Configuration", TypeOn<MT::Configuration>, TypeActions<MT::Configuration>, MT::Configuration, 10,
             "Configuration command:", true),
        type("+Remote", TypeOn<MT::Remote>, TypeActions<MT::Remote>, MT::Remote, 8, "Remote command:", false),
        type("+Broadcast", TypeOn<MT::Broadcast>, TypeActions<MT::Broadcast>, MT::Broadcast, 9,
             "Broadcast message:", true),

        {.section = S::RemoteEvent, .heading = "+Remote event", .on = AT(c.remoteEvents[i].on),
         .actions = AT(c.remoteEvents[i].actions), .count = kRemoteEventCount, .details = D::RemoteControls,
         .switchable = false, .onControl = "chkRemoteAction", .listControl = "lstRemoteAction",
         .buttonControl = "cmdAddActionRemote", .firstIndex = 0, .frameControl = "fraRemote",
         .box = "Remote events", .caption = "Remote event %1:"},
    };
}

#undef AT

const std::vector<EventDescription>& Table() {
    static const std::vector<EventDescription> table = BuildEvents();
    return table;
}

}  // namespace

std::string EventDescription::subsection(int item) const {
    std::string text(heading);
    if (numbered()) text += std::to_string(item + 1);
    if (!listCaption.empty()) {
        text += " (" + std::string(listCaption.substr(0, listCaption.find(':'))) + ")";
    }
    return text;
}

std::span<const EventDescription> Events() { return Table(); }

std::vector<const EventDescription*> EventsOf(Section section) {
    std::vector<const EventDescription*> rows;
    for (const EventDescription& event : Table()) {
        if (event.section == section) rows.push_back(&event);
    }
    return rows;
}

std::vector<EventList> EventsInPairOrder(const UnitConfiguration& config) {
    std::vector<const EventDescription*> sent;
    for (const EventDescription& event : Table()) {
        if (event.sent()) sent.push_back(&event);
    }
    std::sort(sent.begin(), sent.end(),
              [](const EventDescription* a, const EventDescription* b) { return a->pairRank < b->pairRank; });
    UnitConfiguration& readable = const_cast<UnitConfiguration&>(config);  // the accessors only read here
    std::vector<EventList> events;
    for (const EventDescription* event : sent) {
        for (int item = 0; item < event->items(); ++item) {
            events.push_back({event->eventNumber(item), event->on(readable, item), &event->actions(readable, item),
                              SectionName(event->section), event->subsection(item)});
        }
    }
    return events;
}

}  // namespace koru
