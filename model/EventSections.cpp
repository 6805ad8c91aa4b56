// Readers and writers of the events that run action lists: Timer event, Communication event,
// Counter event, Message event and Remote event.

#include "model/NumberedSection.h"

namespace koru {

namespace {

const std::array<Field<EventActions>, 2> kEventFields{
    KORU_FLAG_FIELD(EventActions, on, "On", "chk"),
    KORU_LIST_FIELD(EventActions, actions, "Actions", "lst"),
};

// An event subsection chosen by its name rather than a number: its slot in the configuration and the
// controls that show it.
struct NamedEvent {
    const char* name;
    int slot;
    const char* onControl;
    const char* actionsControl;
};

template <std::size_t N>
const NamedEvent* FindNamedEvent(const std::array<NamedEvent, N>& events, std::string_view name) {
    for (const NamedEvent& event : events) {
        if (name == event.name) return &event;
    }
    return nullptr;
}

template <std::size_t N, class SlotOf>
void WriteNamedEvents(LineWriter& out, const std::array<NamedEvent, N>& events, SlotOf slotOf) {
    for (const NamedEvent& event : events) {
        out.line(std::string("+") + event.name);
        WriteFields(out, kEventFields, slotOf(event.slot));
    }
}

// --- Timer event and Counter event --------------------------------------------------------------------

const std::array<Field<CounterEvent>, 3> kCounterEventFields{
    KORU_FLAG_FIELD(CounterEvent, on, "On", "chkCounterOn"),
    KORU_LIST_FIELD(CounterEvent, onCounter, "Actions1", "lstCounter"),
    KORU_LIST_FIELD(CounterEvent, onZero, "Actions2", "lstCounterZero"),
};

// --- Communication event ------------------------------------------------------------------------------

// In the order the file writes them.
const std::array<NamedEvent, kCommEventCount> kCommEvents{{
    {"Online", static_cast<int>(CommEvent::Online), "chkUnitOnline", "lstUnitOnlineActions"},
    {"Offline", static_cast<int>(CommEvent::Offline), "chkUnitOffline", "lstUnitOfflineActions"},
    {"On radio", static_cast<int>(CommEvent::OnRadio), "chkRadioMessage", "lstRadioMessActions"},
    {"Radio error", static_cast<int>(CommEvent::RadioError), "chkRadioError", "lstRadioErrorAction"},
    {"Radio ACK", static_cast<int>(CommEvent::RadioAck), "chkRadioACK", "lstRadioAckActions"},
    {"Radio NAK", static_cast<int>(CommEvent::RadioNak), "chkRadioNAK", "lstRadioNakActions"},
    {"No receipt", static_cast<int>(CommEvent::NoReceipt), "chkNoReceipt", "lstNoReceiptActions"},
    {"On serial", static_cast<int>(CommEvent::OnSerial), "chkSerialMessage", "lstSerialMessActions"},
    {"Serial error", static_cast<int>(CommEvent::SerialError), "chkSerialError", "lstSerialErrorAction"},
    {"Unit booting", static_cast<int>(CommEvent::UnitBooting), "chkUnitBootingOn", "lstUnitBooting"},
}};

// Any "+" line selects the event it names; lines under a name the reader does not know are ignored.
class CommunicationEventReader final : public SectionReader {
public:
    ReadFailure apply(const std::string& line, UnitConfiguration& config) override {
        const KeyLine keyLine(line);
        if (keyLine.key.starts_with('+')) {
            selected_ = FindNamedEvent(kCommEvents, std::string_view(keyLine.key).substr(1));
            return std::nullopt;
        }
        if (selected_ != nullptr) ApplyField(kEventFields, keyLine, config.commEvents[selected_->slot]);
        return std::nullopt;
    }

private:
    const NamedEvent* selected_ = nullptr;
};

// --- Message event ------------------------------------------------------------------------------------

const std::array<Field<MessageEvent>, 5> kMessageEventFields{
    KORU_FLAG_FIELD(MessageEvent, on, "On", "chkMessageOn"),
    KORU_TEXT_FIELD(MessageEvent, text, "Text", "txtMessage"),
    KORU_FLAG_FIELD(MessageEvent, fromRadio, "Radio", "chkFromRadio"),
    KORU_FLAG_FIELD(MessageEvent, fromSerial, "Serial", "chkFromUart"),
    KORU_LIST_FIELD(MessageEvent, actions, "Actions", "lstMessage"),
};

// Message slots 20 and 21 are the no-match events; the message types are slots 0 to 5 of their own store.
constexpr int kNoMatchRadioSlot = 20;
constexpr int kNoMatchSerialSlot = 21;

template <class Config>
auto& MessageNamedSlot(Config& config, int slot) {
    if (slot == kNoMatchRadioSlot) return config.messageEvents.noMatchRadio;
    if (slot == kNoMatchSerialSlot) return config.messageEvents.noMatchSerial;
    return config.messageEvents.types[slot];
}

// The no-match events and the message types, in the order the file writes them (Configuration, type
// slot 5, comes before Remote and Broadcast).
const std::array<NamedEvent, 8> kMessageNamedEvents{{
    {"No match radio", kNoMatchRadioSlot, "chkMessageOn(20)", "lstMessage(20)"},
    {"No match serial", kNoMatchSerialSlot, "chkMessageOn(21)", "lstMessage(21)"},
    {"Transparant", static_cast<int>(MessageType::Transparant), "chkTypeOfMessageOn(0)", "lstTypeOfMessActions(0)"},
    {"Question", static_cast<int>(MessageType::Question), "chkTypeOfMessageOn(1)", "lstTypeOfMessActions(1)"},
    {"IO command", static_cast<int>(MessageType::IoCommand), "chkTypeOfMessageOn(2)", "lstTypeOfMessActions(2)"},
    {"Configuration", static_cast<int>(MessageType::Configuration), "chkTypeOfMessageOn(5)", "lstTypeOfMessActions(5)"},
    {"Remote", static_cast<int>(MessageType::Remote), "chkTypeOfMessageOn(3)", "lstTypeOfMessActions(3)"},
    {"Broadcast", static_cast<int>(MessageType::Broadcast), "chkTypeOfMessageOn(4)", "lstTypeOfMessActions(4)"},
}};

// Any "+" line selects a subsection by name; "+Message" headings also select the message by number.
class MessageEventReader final : public SectionReader {
public:
    ReadFailure apply(const std::string& line, UnitConfiguration& config) override {
        const KeyLine keyLine(line);
        if (keyLine.key.starts_with('+')) {
            name_ = keyLine.key.substr(1);
            if (line.starts_with("+Message")) return message_.selectByRest(line, 8);
            return std::nullopt;
        }
        if (name_.starts_with("Message")) {
            return message_.apply(config.messageEvents.messages, kMessageEventFields, keyLine, "Message");
        }
        if (const NamedEvent* event = FindNamedEvent(kMessageNamedEvents, name_)) {
            ApplyField(kEventFields, keyLine, MessageNamedSlot(config, event->slot));
        }
        return std::nullopt;
    }

private:
    std::string name_;
    SubsectionIndex message_;
};

void WriteMessageEvent(LineWriter& out, const UnitConfiguration& config) {
    out.line("-Message event");
    WriteNumbered(out, "+Message", config.messageEvents.messages, kMessageEventFields);
    WriteNamedEvents(out, kMessageNamedEvents, [&](int slot) -> auto& { return MessageNamedSlot(config, slot); });
}

// --- Remote event -------------------------------------------------------------------------------------

const std::array<Field<RemoteEvent>, 3> kRemoteEventFields{
    KORU_FLAG_FIELD(RemoteEvent, on, "On", "chkRemoteAction"),
    KORU_LIST_FIELD(RemoteEvent, controls, "Controls", "lstButtons"),
    KORU_LIST_FIELD(RemoteEvent, actions, "Actions", "lstRemoteAction"),
};

}  // namespace

std::unique_ptr<SectionReader> MakeEventSectionReader(Section section) {
    switch (section) {
        case Section::TimerEvent:
            return std::make_unique<NumberedSectionReader<EventActions, kTimerCount, 2>>(
                "+Timer", NumberRule::LastCharacter, [](UnitConfiguration& c) -> auto& { return c.timerEvents; },
                kEventFields);
        case Section::CommunicationEvent: return std::make_unique<CommunicationEventReader>();
        case Section::CounterEvent:
            return std::make_unique<NumberedSectionReader<CounterEvent, kCounterCount, 3>>(
                "+Counter", NumberRule::LastCharacter,
                [](UnitConfiguration& c) -> auto& { return c.counterEvents; }, kCounterEventFields);
        case Section::MessageEvent: return std::make_unique<MessageEventReader>();
        default:
            return std::make_unique<NumberedSectionReader<RemoteEvent, kRemoteEventCount, 3>>(
                "+Remote event", NumberRule::Rest, [](UnitConfiguration& c) -> auto& { return c.remoteEvents; },
                kRemoteEventFields);
    }
}

void WriteEventSection(Section section, LineWriter& out, const UnitConfiguration& config) {
    switch (section) {
        case Section::TimerEvent:
            out.line("-Timer event");
            return WriteNumbered(out, "+Timer", config.timerEvents, kEventFields);
        case Section::CommunicationEvent:
            out.line("-Communication event");
            return WriteNamedEvents(out, kCommEvents, [&](int slot) -> auto& { return config.commEvents[slot]; });
        case Section::CounterEvent:
            out.line("-Counter event");
            return WriteNumbered(out, "+Counter", config.counterEvents, kCounterEventFields);
        case Section::MessageEvent: return WriteMessageEvent(out, config);
        default:
            out.line("-Remote event");
            return WriteNumbered(out, "+Remote event", config.remoteEvents, kRemoteEventFields);
    }
}

}  // namespace koru
