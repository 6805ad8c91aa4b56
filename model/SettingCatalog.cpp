#include "model/SettingCatalog.h"

#include <array>
#include <tuple>
#include <type_traits>
#include <vector>

#include "model/EventTable.h"
#include "model/LineChoices.h"
#include "model/SettingCodecs.h"
#include "model/TimeUnits.h"

namespace koru {

namespace {

using C = UnitConfiguration;

// Accessors as plain function pointers: `i` is the index within the setting.
#define AT(expr) +[](C & c, int i) -> auto& { (void)i; return expr; }

constexpr std::array<std::string_view, 2> kUnitTypes{"KORU Base", "KORU Starter-kit"};
constexpr std::array<std::string_view, 1> kRadioProtocols{"<KORU-Standard>"};
constexpr std::array<std::string_view, 9> kRetransmissions{"0", "1", "2", "3", "4", "5", "10", "15", "20"};
constexpr std::array<std::string_view, 3> kParities{"Odd", "Even", "None"};
constexpr std::array<std::string_view, 4> kSerialProtocols{"<RS-232>", "<RS-485 full duplex>",
                                                            "<RS-485 half duplex>", "<KORU to KORU>"};
constexpr std::array<std::string_view, 7> kSerialTimeouts{"<None>", "50ms", "100ms", "200ms",
                                                           "500ms",  "1s",   "2s"};
constexpr std::array<std::string_view, 5> kEndsOfText{"<None>", "13,10 (CRLF)", "13 (CR)", "10 (LF)", "3 (ETX)"};
constexpr std::array<std::string_view, 2> kMessageTypes{"Message", "Alarm"};

// Channels "0" to "81".
std::span<const std::string_view> Channels() {
    static const std::array<std::string, 82> texts = [] {
        std::array<std::string, 82> all;
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = std::to_string(i);
        return all;
    }();
    static const std::array<std::string_view, 82> views = [] {
        std::array<std::string_view, 82> all;
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = texts[i];
        return all;
    }();
    return views;
}

// Builds one row of the table.
class Row {
public:
    Row(Section section, std::string_view key, std::string_view control, FieldKind kind) {
        s_.section = section;
        s_.block = Block::Section;
        s_.count = 1;
        s_.key = key;
        s_.control = control;
        s_.firstIndex = -1;
        s_.kind = kind;
    }

    // A numbered subsection: every item has its own control of a control array from index 0.
    Row& numbered(std::string_view heading, int count) {
        s_.block = Block::Numbered;
        s_.subsection = heading;
        s_.count = count;
        s_.firstIndex = 0;
        return *this;
    }
    Row& named(std::string_view heading) {
        s_.block = Block::Named;
        s_.subsection = heading;
        return *this;
    }
    Row& anywhere() {
        s_.readAnywhere = true;
        return *this;
    }
    Row& at(int firstIndex) {
        s_.firstIndex = firstIndex;
        return *this;
    }
    Row& cells(int perItem) {
        s_.cells = perItem;
        return *this;
    }
    Row& choices(std::span<const std::string_view> items, bool editable = false) {
        s_.choices = items;
        s_.editableChoice = editable;
        return *this;
    }
    Row& option(const OptionGroup& group, std::string_view value) {
        s_.group = &group;
        s_.option = value;
        return *this;
    }
    Row& check(FieldCheck check) {
        s_.check = check;
        return *this;
    }
    Row& limit(int characters) {
        s_.typingLimit = characters;
        return *this;
    }
    Row& part() {
        s_.part = true;
        return *this;
    }
    Row& codec(const KeyCodec& codec) {
        s_.codec = &codec;
        return *this;
    }
    Row& value(Text& (*text)(C&, int)) {
        s_.text = text;
        return *this;
    }
    Row& value(bool& (*flag)(C&, int)) {
        s_.flag = flag;
        return *this;
    }
    Row& value(TextList& (*list)(C&, int)) {
        s_.list = list;
        return *this;
    }

    operator Setting() const { return s_; }

private:
    Setting s_{};
};

Row Label(Section s, std::string_view key, std::string_view control) { return {s, key, control, FieldKind::Label}; }
Row TextField(Section s, std::string_view key, std::string_view control) { return {s, key, control, FieldKind::FreeText}; }
Row Number(Section s, std::string_view key, std::string_view control) { return {s, key, control, FieldKind::Number}; }
Row Choice(Section s, std::string_view key, std::string_view control) { return {s, key, control, FieldKind::Choice}; }
Row Flag(Section s, std::string_view key, std::string_view control) { return {s, key, control, FieldKind::Flag}; }
Row Option(Section s, std::string_view key, std::string_view control) { return {s, key, control, FieldKind::Option}; }
Row List(Section s, std::string_view key, std::string_view control) { return {s, key, control, FieldKind::List}; }
Row Cells(Section s, std::string_view key, std::string_view control) { return {s, key, control, FieldKind::Cell}; }

// Unit; Network.
void AddUnitAndNetwork(std::vector<Setting>& rows) {
    using S = Section;
    rows.push_back(Label(S::Unit, "Id", "lblId").value(AT(c.unit.id)));
    rows.push_back(TextField(S::Unit, "Alias", "txtAlias").limit(20).value(AT(c.unit.alias)));
    rows.push_back(Choice(S::Unit, "Type", "cmbTypeOfUnit").choices(kUnitTypes, true).value(AT(c.unit.type)));

    rows.push_back(Flag(S::Network, "Setup units", "chkAllUnits").codec(kSetupUnitsCodec)
                       .value(AT(c.network.setupAllUnits)));
    rows.push_back(Flag(S::Network, "Setup units", "chkAllSetupUnits").part().value(AT(c.network.setupAllSetupUnits)));
    rows.push_back(Flag(S::Network, "Setup units", "chkSetupUnit").part().value(AT(c.network.setupOneUnit)));
    rows.push_back(Flag(S::Network, "Setup units", "chkSetupSerial").part().value(AT(c.network.setupViaSerial)));
    rows.push_back(TextField(S::Network, "Setup units", "txtSetupUnit").part().value(AT(c.network.setupUnit)));
    rows.push_back(Label(S::Network, "Upper unit", "lblSelectedMaster").value(AT(c.network.upperUnit)));
    rows.push_back(List(S::Network, "Lower units", "lstSlaveUnits").value(AT(c.network.lowerUnits)));
    rows.push_back(Label(S::Network, "Upper ping", "lblUpperPingTime").value(AT(c.network.upperPing)));
    rows.push_back(List(S::Network, "Lower ping", "lstLowerPingTimes").value(AT(c.network.lowerPing)));
    rows.push_back(Number(S::Network, "User ping time", "txtUserDefinedPingTime").check(FieldCheck::NumberOrEmpty)
                       .value(AT(c.network.userPingTime)));
    rows.push_back(Choice(S::Network, "User ping unit", "cmbPingTimeUnit").choices(TimeUnitNames())
                       .value(AT(c.network.userPingUnit)));
    rows.push_back(List(S::Network, "Remotes", "lstRemote").value(AT(c.network.remotes)));
}

// Radio, with the two retransmission times that only the editor holds.
void AddRadio(std::vector<Setting>& rows) {
    using S = Section;
    rows.push_back(Choice(S::Radio, "Channel", "cmbRadioFreq").choices(Channels(), true).check(FieldCheck::Channel)
                       .value(AT(c.radio.channel)));
    rows.push_back(Choice(S::Radio, "Protocol", "cmbRadioProtocol").choices(kRadioProtocols)
                       .value(AT(c.radio.protocol)));
    rows.push_back(Choice(S::Radio, "Retransmitt", "cmbNrOfRetransmissions").choices(kRetransmissions)
                       .value(AT(c.radio.retransmitt)));
    rows.push_back(Number(S::Radio, "", "txtRetransmissionMinTime").check(FieldCheck::RetransmissionMin)
                       .value(AT(c.radio.retransmissionMinTime)));
    rows.push_back(Number(S::Radio, "", "txtRetransmissionMaxTime").check(FieldCheck::RetransmissionMax)
                       .value(AT(c.radio.retransmissionMaxTime)));
    rows.push_back(Option(S::Radio, "Broadcast", "optAllOn").option(kBroadcastGroup, "1"));
    rows.push_back(Option(S::Radio, "Broadcast", "optOnlyDown").option(kBroadcastGroup, "2").part());
    rows.push_back(Option(S::Radio, "Broadcast", "optAllOff").option(kBroadcastGroup, "3").part());
    rows.push_back(Flag(S::Radio, "General broadcast", "chkReceiveGeneralBroadcast").codec(kGeneralBroadcastCodec)
                       .value(AT(c.radio.generalBroadcast)));
    rows.push_back(Option(S::Radio, "Gateway", "optGatewayOn").option(kGatewayGroup, "1"));
    rows.push_back(Option(S::Radio, "Gateway", "optGatewayOff").option(kGatewayGroup, "0").part());
}

// Serial.
void AddSerial(std::vector<Setting>& rows) {
    using S = Section;
    rows.push_back(Choice(S::Serial, "Baudrate", "cmbSerialBaudrate").choices(kBaudRates).value(AT(c.serial.baudrate)));
    rows.push_back(Choice(S::Serial, "Number of bits", "cmbSerialBits").choices(kDataBits)
                       .value(AT(c.serial.numberOfBits)));
    rows.push_back(Choice(S::Serial, "Parity", "cmbSerialParity").choices(kParities).value(AT(c.serial.parity)));
    rows.push_back(Choice(S::Serial, "Stop bit", "cmbSerialStopBit").choices(kStopBits).value(AT(c.serial.stopBit)));
    rows.push_back(Choice(S::Serial, "Serial protocol", "cmbSerialProtocol").choices(kSerialProtocols)
                       .value(AT(c.serial.serialProtocol)));
    rows.push_back(Choice(S::Serial, "Serial timeout", "cmbSerialTimeout").choices(kSerialTimeouts)
                       .value(AT(c.serial.serialTimeout)));
    rows.push_back(Choice(S::Serial, "End of text", "cmbEndOfText").choices(kEndsOfText).value(AT(c.serial.endOfText)));
}

// Timer; Counter.
void AddTimersAndCounters(std::vector<Setting>& rows) {
    using S = Section;
    rows.push_back(Number(S::Timer, "Time", "txtTime").numbered("+Timer", kTimerCount).check(FieldCheck::Time)
                       .limit(4).value(AT(c.timers[i].time)));
    rows.push_back(Choice(S::Timer, "Unit", "cmbTimerUnit").numbered("+Timer", kTimerCount).choices(TimeUnitNames())
                       .check(FieldCheck::TimerUnit).value(AT(c.timers[i].unit)));
    rows.push_back(Number(S::Counter, "Counter", "txtCount").numbered("+Counter", kCounterCount)
                       .check(FieldCheck::Count).limit(9).value(AT(c.counters[i].counter)));
}

// Input: the voltage range, six inputs, the sleep mode.
void AddInput(std::vector<Setting>& rows) {
    using S = Section;
    rows.push_back(Option(S::Input, "Voltage range", "optBaseVolt").option(kVoltageRangeGroup, kBaseVoltage)
                       .codec(kVoltageRangeCodec));
    rows.push_back(Option(S::Input, "Voltage range", "optStarterKitVolt").option(kVoltageRangeGroup, kStarterKitVoltage)
                       .part());
    rows.push_back(Option(S::Input, "Voltage range", "optUserDefineVolt").option(kVoltageRangeGroup, kUserVoltage)
                       .part());
    rows.push_back(Number(S::Input, "Voltage range", "txtDefMinVolt").part().value(AT(c.input.userMinVolt)));
    rows.push_back(Number(S::Input, "Voltage range", "txtDefMaxVolt").part().value(AT(c.input.userMaxVolt)));
    rows.push_back(Flag(S::Input, "On", "chkOnOff").numbered("+Input", kInputCount).value(AT(c.input.inputs[i].on)));
    rows.push_back(Option(S::Input, "Input type", "opAnalogue").numbered("+Input", kInputCount)
                       .option(kInputTypeGroup, "A"));
    rows.push_back(Option(S::Input, "Input type", "optDigital").numbered("+Input", kInputCount)
                       .option(kInputTypeGroup, "D").part());
    rows.push_back(Number(S::Input, "Upper limit", "txtLimit1").numbered("+Input", kInputCount)
                       .check(FieldCheck::Limit).value(AT(c.input.inputs[i].upperLimit)));
    rows.push_back(Number(S::Input, "Upper hysteresis", "txtHysteresis").numbered("+Input", kInputCount)
                       .check(FieldCheck::Limit).value(AT(c.input.inputs[i].upperHysteresis)));
    rows.push_back(Number(S::Input, "Lower limit", "txtLimit2").numbered("+Input", kInputCount)
                       .check(FieldCheck::Limit).value(AT(c.input.inputs[i].lowerLimit)));
    rows.push_back(Number(S::Input, "Lower hysteresis", "txtHysteresisLow").numbered("+Input", kInputCount)
                       .check(FieldCheck::Limit).value(AT(c.input.inputs[i].lowerHysteresis)));
    rows.push_back(Number(S::Input, "Scale", "txtScale").numbered("+Input", kInputCount).check(FieldCheck::Limit)
                       .value(AT(c.input.inputs[i].scale)));
    rows.push_back(Number(S::Input, "Offset", "txtOffset").numbered("+Input", kInputCount).check(FieldCheck::Limit)
                       .value(AT(c.input.inputs[i].offset)));
    rows.push_back(Flag(S::Input, "SleepOn", "chkSleepModeOn").named("+Sleep").anywhere().value(AT(c.input.sleepOn)));
    rows.push_back(Option(S::Input, "SleepHighLow", "optSleepHigh").named("+Sleep").anywhere()
                       .option(kSleepEdgeGroup, "1"));
    rows.push_back(Option(S::Input, "SleepHighLow", "optSleepLow").named("+Sleep").anywhere()
                       .option(kSleepEdgeGroup, "0").part());
}

// The four lists of defined actions and the 20 message texts.
void AddDefinedActions(std::vector<Setting>& rows) {
    using S = Section;
    rows.push_back(List(S::MessageAction, "Actions", "lstMessageActions").value(AT(c.messageActions.actions)));
    rows.push_back(Choice(S::MessageAction, "Type", "cmbTypeOfMessage").numbered("+Message", kMessageCount)
                       .choices(kMessageTypes).value(AT(c.messageActions.messages[i].type)));
    rows.push_back(TextField(S::MessageAction, "Text", "txtTextString").numbered("+Message", kMessageCount).limit(30)
                       .value(AT(c.messageActions.messages[i].text)));
    rows.push_back(List(S::OutputFlagAction, "Actions", "lstOutputFlagActions").value(AT(c.outputFlagActions)));
    rows.push_back(List(S::TimerAction, "Actions", "lstTimerActions").value(AT(c.timerActions)));
    rows.push_back(List(S::CounterAction, "Actions", "lstCounterActions").value(AT(c.counterActions)));
}

// One column group of the I/O event masks ("InputA" 1-6, ..., "Flags" 1-8), cell `i` of all masks in a row:
// mask i / width, cell i % width.
template <auto Member>
constexpr int kMaskWidth = static_cast<int>(std::tuple_size_v<std::remove_reference_t<decltype(IoMask{}.*Member)>>);

template <auto Member>
Text& MaskCell(C& c, int i) {
    return (c.ioEvents.masks[i / kMaskWidth<Member>].*Member)[i % kMaskWidth<Member>];
}

template <auto Member>
Setting MaskCells(std::string_view key, std::string_view control) {
    return Cells(Section::IoEvent, key, control).numbered("+Mask", kMaskCount).cells(kMaskWidth<Member>)
        .check(FieldCheck::MaskCell).limit(1).value(&MaskCell<Member>);
}

// The settings between an event's switch and its action list.
void AddEventDetails(std::vector<Setting>& rows, const EventDescription& event) {
    using S = Section;
    switch (event.details) {
        case EventDetails::None: return;
        case EventDetails::MaskCells:
            rows.push_back(MaskCells<&IoMask::inputA>("InputA", "txtInputA"));
            rows.push_back(MaskCells<&IoMask::inputB>("InputB", "txtInputB"));
            rows.push_back(MaskCells<&IoMask::outputs>("Output", "txtOutput"));
            rows.push_back(MaskCells<&IoMask::flags>("Flags", "txtFlag"));
            return;
        case EventDetails::MessageMatch:
            rows.push_back(TextField(S::MessageEvent, "Text", "txtMessage").numbered("+Message", kMessageCount).limit(30)
                               .value(AT(c.messageEvents.messages[i].text)));
            rows.push_back(Flag(S::MessageEvent, "Radio", "chkFromRadio").numbered("+Message", kMessageCount)
                               .value(AT(c.messageEvents.messages[i].fromRadio)));
            rows.push_back(Flag(S::MessageEvent, "Serial", "chkFromUart").numbered("+Message", kMessageCount)
                               .value(AT(c.messageEvents.messages[i].fromSerial)));
            return;
        case EventDetails::RemoteControls:
            rows.push_back(List(S::RemoteEvent, "Controls", "lstButtons").numbered("+Remote event", kRemoteEventCount)
                               .value(AT(c.remoteEvents[i].controls)));
            return;
    }
}

// An event's switch and action list where its subsection stands.
Row EventSetting(Row row, const EventDescription& event) {
    if (event.numbered()) return row.numbered(event.heading, event.count);
    row.named(event.heading).at(event.firstIndex);
    if (event.readAnywhere) row.anywhere();
    return row;
}

// The event sections: every event of the event table, its switch, its details and its action list.
void AddEvents(std::vector<Setting>& rows, Section section) {
    for (const EventDescription* event : EventsOf(section)) {
        if (!event->sharesOn) {
            rows.push_back(EventSetting(Flag(section, event->onKey, event->onControl).value(event->on), *event));
        }
        AddEventDetails(rows, *event);
        rows.push_back(
            EventSetting(List(section, event->actionsKey, event->listControl).value(event->actions), *event));
    }
}

// The whole table, in file order.
std::vector<Setting> BuildSettings() {
    std::vector<Setting> rows;
    rows.reserve(128);
    AddUnitAndNetwork(rows);
    AddRadio(rows);
    AddSerial(rows);
    AddTimersAndCounters(rows);
    AddInput(rows);
    for (Section section : {Section::IoEvent, Section::TimerEvent, Section::CommunicationEvent, Section::CounterEvent,
                            Section::MessageEvent, Section::RemoteEvent}) {
        AddEvents(rows, section);
    }
    AddDefinedActions(rows);
    return rows;
}

#undef AT

const std::vector<Setting>& Table() {
    static const std::vector<Setting> table = BuildSettings();
    return table;
}

// The rows of each section: the table holds sections in file order, so each is one stretch.
const std::array<std::span<const Setting>, kSectionCount>& Stretches() {
    static const std::array<std::span<const Setting>, kSectionCount> stretches = [] {
        std::array<std::span<const Setting>, kSectionCount> all{};
        const std::vector<Setting>& table = Table();
        std::size_t begin = 0;
        while (begin < table.size()) {
            std::size_t end = begin;
            while (end < table.size() && table[end].section == table[begin].section) ++end;
            all[static_cast<std::size_t>(table[begin].section)] =
                std::span<const Setting>(table).subspan(begin, end - begin);
            begin = end;
        }
        return all;
    }();
    return stretches;
}

template <class T>
T& Mutable(const T& value) {
    return const_cast<T&>(value);  // the accessors take a mutable configuration; reading changes nothing
}

}  // namespace

std::span<const Setting> Settings() { return Table(); }

std::span<const Setting> SettingsOf(Section section) { return Stretches()[static_cast<std::size_t>(section)]; }

std::string ControlName(const Setting& setting, int index) {
    if (setting.firstIndex < 0) return std::string(setting.control);
    return std::string(setting.control) + "(" + std::to_string(setting.firstIndex + index) + ")";
}

std::string FieldValue(const Setting& setting, const UnitConfiguration& config, int index) {
    UnitConfiguration& c = Mutable(config);
    switch (setting.kind) {
        case FieldKind::Flag: return FlagText(setting.flag(c, index));
        case FieldKind::Option: return FlagText(setting.group->get(config, index) == setting.option);
        case FieldKind::List: return JoinList(setting.list(c, index));
        default: return setting.text(c, index);
    }
}

std::string KeyLineValue(const Setting& setting, const UnitConfiguration& config, int item) {
    if (setting.codec != nullptr) return setting.codec->write(config, item);
    UnitConfiguration& c = Mutable(config);
    switch (setting.kind) {
        case FieldKind::Flag: return FlagText(setting.flag(c, item));
        case FieldKind::Option: return setting.group->get(config, item);
        case FieldKind::List: return JoinList(setting.list(c, item));
        case FieldKind::Cell: {
            std::string joined;
            for (int k = 0; k < setting.cells; ++k) {
                if (k > 0) joined.push_back(',');
                joined += setting.text(c, item * setting.cells + k);
            }
            return joined;
        }
        default: return setting.text(c, item);
    }
}

void ApplyKeyLine(const Setting& setting, UnitConfiguration& config, int item, std::string_view value) {
    if (setting.codec != nullptr) return setting.codec->read(config, item, value);
    switch (setting.kind) {
        case FieldKind::Flag: setting.flag(config, item) = value == "1"; return;
        case FieldKind::Option: setting.group->set(config, item, value); return;
        case FieldKind::List: SplitList(value, setting.list(config, item)); return;
        case FieldKind::Cell:
            // Pieces fill the cells in order; an empty piece keeps its cell, pieces beyond the group are dropped.
            // The group's last cell ends the written line, whose trailing blanks no reader keeps, so it is
            // stored without them.
            if (value.empty()) return;
            for (int k = 0; k < setting.cells; ++k) {
                const std::size_t comma = value.find(',');
                std::string_view piece = value.substr(0, comma);
                if (k == setting.cells - 1) piece = piece.substr(0, piece.find_last_not_of(' ') + 1);
                if (!piece.empty()) setting.text(config, item * setting.cells + k) = std::string(piece);
                if (comma == std::string_view::npos) break;
                value.remove_prefix(comma + 1);
            }
            return;
        default: setting.text(config, item) = std::string(value); return;
    }
}

bool KeyLineTouches(const Setting& setting, std::string_view value) {
    if (setting.kind != FieldKind::Cell || setting.codec != nullptr) return true;
    return value.find_first_not_of(',') != std::string_view::npos;
}

}  // namespace koru
