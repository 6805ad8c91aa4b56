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

// Builds one row of the table.
class Row {
public:
    Row(Section section, std::string_view heading, bool& (*on)(C&, int), TextList& (*actions)(C&, int)) {
        e_.section = section;
        e_.heading = heading;
        e_.count = 0;
        e_.onKey = "On";
        e_.actionsKey = "Actions";
        e_.readAnywhere = false;
        e_.sharesOn = false;
        e_.details = D::None;
        e_.on = on;
        e_.actions = actions;
        e_.number = kNoEventNumber;
        e_.pairRank = 0;
        e_.switchRecord = 0;
        e_.switchable = true;
        e_.firstIndex = -1;
        e_.frameIndex = -1;
    }

    // A numbered run of `count` events; its controls are arrays from index 0.
    Row& run(int count) {
        e_.count = count;
        e_.firstIndex = 0;
        return *this;
    }
    Row& keys(std::string_view on, std::string_view actions) {
        e_.onKey = on;
        e_.actionsKey = actions;
        return *this;
    }
    Row& anywhere() {
        e_.readAnywhere = true;
        return *this;
    }
    Row& sharesOn() {
        e_.sharesOn = true;
        return *this;
    }
    Row& details(EventDetails details) {
        e_.details = details;
        return *this;
    }
    // The event number, the place of its pairs in record 13, and the record that also carries its switch.
    Row& unit(int number, int pairRank, int switchRecord = 0) {
        e_.number = number;
        e_.pairRank = pairRank;
        e_.switchRecord = switchRecord;
        return *this;
    }
    Row& notSwitchable() {
        e_.switchable = false;
        return *this;
    }
    Row& controls(std::string_view on, std::string_view list, std::string_view button, int firstIndex = -2) {
        e_.onControl = on;
        e_.listControl = list;
        e_.buttonControl = button;
        if (firstIndex != -2) e_.firstIndex = firstIndex;
        return *this;
    }
    Row& frame(std::string_view control, int index = -1) {
        e_.frameControl = control;
        e_.frameIndex = index;
        return *this;
    }
    Row& shown(std::string_view box, std::string_view caption, std::string_view caption2 = {}) {
        e_.box = box;
        e_.caption = caption;
        e_.caption2 = caption2;
        return *this;
    }
    Row& listCaption(std::string_view caption) {
        e_.listCaption = caption;
        return *this;
    }
    Row& rowName(std::string_view name) {
        e_.rowName = name;
        return *this;
    }
    Row& onCaption(std::string_view caption) {
        e_.onCaption = caption;
        return *this;
    }

    operator EventDescription() const { return e_; }

private:
    EventDescription e_{};
};

// A communication event: one switch and one list under a named heading, in a frame of the window's
// "fraCommOnOff" array (the unit booting event has a frame of its own).
template <CommEvent E>
Row Comm(std::string_view heading, int number, int pairRank) {
    return Row(S::CommunicationEvent, heading, CommOn<E>, CommActions<E>).unit(number, pairRank);
}

// A message-type event: its controls are element `slot` of the type arrays.
template <MessageType T>
Row Type(std::string_view heading, int pairRank, std::string_view caption) {
    constexpr int slot = static_cast<int>(T);
    return Row(S::MessageEvent, heading, TypeOn<T>, TypeActions<T>)
        .unit(32 + slot, pairRank)
        .controls("chkTypeOfMessageOn", "lstTypeOfMessActions", "cmdAddActionsTypeOfMessage", slot)
        .frame("fraTypeOfMessOnOff", slot)
        .shown("Type of message events", caption);
}

std::vector<EventDescription> BuildEvents() {
    using CE = CommEvent;
    using MT = MessageType;
    return {
        Row(S::IoEvent, "+Mask", AT(c.ioEvents.masks[i].on), AT(c.ioEvents.masks[i].actions))
            .run(kMaskCount).details(D::MaskCells).unit(96, 1, 6)
            .controls("chkBitMaskOn", "lstBitMask", "cmdAddActionBitMask").frame("fraMask")
            .shown("I/O events", {}).rowName("Mask %1").onCaption("On Mask %1"),
        Row(S::IoEvent, "+Sleep event", AT(c.ioEvents.sleepOn), AT(c.ioEvents.sleepActions))
            .keys("SleepOn", "SleepActions").anywhere().unit(2, 24)
            .controls("chkSleepOn", "lstSleepActions", "cmdAddActionSleep").frame("fraSleepActions")
            .shown("Sleep event", "Sleep input activated:"),

        Row(S::TimerEvent, "+Timer", AT(c.timerEvents[i].on), AT(c.timerEvents[i].actions))
            .run(kTimerCount).unit(80, 11, 8)
            .controls("chkTimerOn", "lstTimer", "cmdAddActionTimer").frame("fraTimerOnOff")
            .shown("Timer events", "Timer %1:"),

        Comm<CE::Online>("+Online", 91, 19)
            .controls("chkUnitOnline", "lstUnitOnlineActions", "cmdAddActionUnitOnline").frame("fraCommOnOff", 1)
            .shown("Network events", "Unit online:").rowName("Network: unit online"),
        Comm<CE::Offline>("+Offline", 90, 20)
            .controls("chkUnitOffline", "lstUnitOfflineActions", "cmdAddActionUnitOffline").frame("fraCommOnOff", 2)
            .shown("Network events", "Unit offline:").rowName("Network: unit offline"),
        Comm<CE::OnRadio>("+On radio", 48, 14)
            .controls("chkRadioMessage", "lstRadioMessActions", "cmdAddActionOnRadio").frame("fraCommOnOff", 3)
            .shown("Radio events", "Package received:").rowName("Radio: package received"),
        Comm<CE::RadioError>("+Radio error", 52, 18)
            .controls("chkRadioError", "lstRadioErrorAction", "cmdAddActionRadioError").frame("fraCommOnOff", 7)
            .shown("Radio events", "Receiving error:").rowName("Radio: receiving error"),
        Comm<CE::RadioAck>("+Radio ACK", 49, 15)
            .controls("chkRadioACK", "lstRadioAckActions", "cmdAddActionRadioAck").frame("fraCommOnOff", 5)
            .shown("Radio events", "Acknowledge received: ").rowName("Radio: acknowledge received"),
        Comm<CE::RadioNak>("+Radio NAK", 50, 16)
            .controls("chkRadioNAK", "lstRadioNakActions", "cmdAddActionRadioNak").frame("fraCommOnOff", 6)
            .shown("Radio events", "Not-acknowledge received: ").rowName("Radio: not-acknowledge received"),
        Comm<CE::NoReceipt>("+No receipt", 51, 17)
            .controls("chkNoReceipt", "lstNoReceiptActions", "cmdAddActionNoReciept").frame("fraCommOnOff", 0)
            .shown("Radio events", "No receipt on transmission:").rowName("Radio: no receipt on transmission"),
        Comm<CE::OnSerial>("+On serial", 16, 22)
            .controls("chkSerialMessage", "lstSerialMessActions", "cmdAddActionOnSerial").frame("fraCommOnOff", 4)
            .shown("Serial communcation events", "Package received:").rowName("Serial: package received"),
        Comm<CE::SerialError>("+Serial error", 17, 23)
            .controls("chkSerialError", "lstSerialErrorAction", "cmdAddActionSerialError").frame("fraCommOnOff", 8)
            .shown("Serial communcation events", "Receiving error:").rowName("Serial: receiving error"),
        Comm<CE::UnitBooting>("+Unit booting", 1, 21)
            .controls("chkUnitBootingOn", "lstUnitBooting", "cmdAddActionsUnitBooting").frame("fraUnitBoootingOnOff")
            .shown("Unit events", "Unit booting:").rowName("Unit: unit booting"),

        // A counter has one switch for its two lists: "On counter:" (Actions1) and "On zero:" (Actions2).
        Row(S::CounterEvent, "+Counter", AT(c.counterEvents[i].on), AT(c.counterEvents[i].onCounter))
            .run(kCounterCount).keys("On", "Actions1").unit(176, 13, 14)
            .controls("chkCounterOn", "lstCounter", "cmdAddActionCounter").frame("fraCounterOnOff")
            .shown("Counter events", "Counter %1:").listCaption("On counter:"),
        Row(S::CounterEvent, "+Counter", AT(c.counterEvents[i].on), AT(c.counterEvents[i].onZero))
            .run(kCounterCount).keys("On", "Actions2").sharesOn().unit(160, 12, 14)
            .controls("chkCounterOn", "lstCounterZero", "cmdAddActionsCounterZero").frame("fraCounterOnOff")
            .shown("Counter events", "Counter %1:").listCaption("On zero:"),

        // 20 received texts, the two no-match events (elements 20 and 21 of the message arrays) and the
        // message types, Configuration (type slot 5) written before Remote and Broadcast.
        Row(S::MessageEvent, "+Message", AT(c.messageEvents.messages[i].on), AT(c.messageEvents.messages[i].actions))
            .run(kMessageCount).details(D::MessageMatch).unit(128, 2, 7)
            .controls("chkMessageOn", "lstMessage", "cmdAddActionMessage").frame("fraMessageOnOff")
            .shown("Message events", "Message %1:"),
        Row(S::MessageEvent, "+No match radio", AT(c.messageEvents.noMatchRadio.on),
            AT(c.messageEvents.noMatchRadio.actions))
            .unit(159, 4).controls("chkMessageOn", "lstMessage", "cmdAddActionMessage", kMessageCount)
            .frame("fraMessageOnOff", kMessageCount).shown("Message events", "No match:", "Radio:"),
        Row(S::MessageEvent, "+No match serial", AT(c.messageEvents.noMatchSerial.on),
            AT(c.messageEvents.noMatchSerial.actions))
            .unit(158, 3).controls("chkMessageOn", "lstMessage", "cmdAddActionMessage", kMessageCount + 1)
            .frame("fraMessageOnOff", kMessageCount + 1).shown("Message events", "No match:", "Serial interface:"),
        Type<MT::Transparant>("+Transparant", 5, "Transparent message:"),
        Type<MT::Question>("+Question", 6, "Question:").notSwitchable(),
        Type<MT::IoCommand>("+IO command", 7, "I/O command:"),
        Type<MT::Configuration>("+Configuration", 10, "Configuration command:"),
        Type<MT::Remote>("+Remote", 8, "Remote command:").notSwitchable(),
        Type<MT::Broadcast>("+Broadcast", 9, "Broadcast message:"),

        Row(S::RemoteEvent, "+Remote event", AT(c.remoteEvents[i].on), AT(c.remoteEvents[i].actions))
            .run(kRemoteEventCount).details(D::RemoteControls).notSwitchable()
            .controls("chkRemoteAction", "lstRemoteAction", "cmdAddActionRemote").frame("fraRemote")
            .shown("Remote events", "Remote event %1:"),
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
