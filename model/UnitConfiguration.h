#pragma once

// The settings of one KORU unit. Values are 8-bit text exactly as typed or read from a file
// (Windows-1252 bytes, never converted inside the model); flags and option groups are typed, and an
// option group keeps its "nothing selected" state. Default member values are the settings of a new,
// empty editor window.

#include <array>
#include <string>
#include <vector>

namespace koru {

using Text = std::string;
using TextList = std::vector<std::string>;

inline constexpr int kTimerCount = 4;
inline constexpr int kCounterCount = 4;
inline constexpr int kInputCount = 6;
inline constexpr int kMaskCount = 24;
inline constexpr int kMessageCount = 20;        // received texts (Message event) and texts to send (Message action)
inline constexpr int kMessageTypeCount = 6;
inline constexpr int kRemoteEventCount = 24;
inline constexpr int kCommEventCount = 10;

inline constexpr int kMaskInputCells = 6;       // per condition, A and B
inline constexpr int kMaskOutputCells = 4;
inline constexpr int kMaskFlagCells = 8;

// Section Unit.
struct UnitIdentity {
    Text id;     // 10 decimal digits, padded with "0"
    Text alias;
    Text type = "KORU Base";

    bool operator==(const UnitIdentity&) const = default;
};

// Section Network: the unit's place in the radio tree.
struct NetworkSetup {
    // "Setup units": who may configure this unit.
    bool setupAllUnits = false;       // chkAllUnits
    bool setupAllSetupUnits = false;  // chkAllSetupUnits
    bool setupOneUnit = false;        // chkSetupUnit
    bool setupViaSerial = false;      // chkSetupSerial
    Text setupUnit;                   // txtSetupUnit

    Text upperUnit;       // a unit entry, empty when none
    TextList lowerUnits;  // unit entries
    Text upperPing;       // ping choice, " - ", upper unit entry
    TextList lowerPing;   // one per lower unit
    Text userPingTime = "0";
    Text userPingUnit = "s";
    TextList remotes;

    bool operator==(const NetworkSetup&) const = default;
};

enum class BroadcastMode { None, AllOn, OnlyDown, AllOff };  // file values "", "1", "2", "3"
enum class GatewayMode { None, On, Off };                   // file values "", "1", "0"

// Section Radio, plus the two retransmission times that only the editor holds (never in a file).
struct RadioSetup {
    Text channel = "0";
    Text protocol = "<KORU-Standard>";
    Text retransmitt = "3";
    BroadcastMode broadcast = BroadcastMode::AllOff;
    bool generalBroadcast = false;
    GatewayMode gateway = GatewayMode::On;

    Text retransmissionMinTime = "200";  // ms, editor only
    Text retransmissionMaxTime = "600";  // ms, editor only

    bool operator==(const RadioSetup&) const = default;
};

// Section Serial: the unit's own serial interface.
struct SerialSetup {
    Text baudrate = "9600";
    Text numberOfBits = "8";
    Text parity = "None";
    Text stopBit = "1";
    Text serialProtocol = "<RS-232>";
    Text serialTimeout = "100ms";
    Text endOfText = "<None>";

    bool operator==(const SerialSetup&) const = default;
};

// Section Timer, one per timer.
struct TimerSetup {
    Text time = "0";
    Text unit = "ms";

    bool operator==(const TimerSetup&) const = default;
};

// Section Counter, one per counter.
struct CounterSetup {
    Text counter = "0";

    bool operator==(const CounterSetup&) const = default;
};

enum class VoltageRange { None, Base, StarterKit, User };  // "0-2.5", "0-30", "min-max"
enum class InputType { Analogue, Digital };                // "A", "D"

struct InputSetup {
    bool on = false;
    InputType type = InputType::Analogue;
    Text upperLimit = "4";
    Text upperHysteresis = "0";
    Text lowerLimit = "1";
    Text lowerHysteresis = "0";
    Text scale = "1";
    Text offset = "0";

    bool operator==(const InputSetup&) const = default;
};

// Section Input: voltage range, six inputs and the sleep mode.
struct InputSection {
    VoltageRange voltageRange = VoltageRange::Base;
    Text userMinVolt;  // txtDefMinVolt, used with VoltageRange::User
    Text userMaxVolt;  // txtDefMaxVolt
    std::array<InputSetup, kInputCount> inputs{};
    bool sleepOn = false;
    bool sleepOnHigh = true;  // SleepHighLow: true "1" (optSleepHigh), false "0" (optSleepLow)

    bool operator==(const InputSection&) const = default;
};

// One I/O event mask. A cell is normally one character: "-" (no condition), "0", "1" or "T"; the
// file carries whatever text it holds.
struct IoMask {
    bool on = false;
    std::array<Text, kMaskInputCells> inputA{"-", "-", "-", "-", "-", "-"};
    std::array<Text, kMaskInputCells> inputB{"-", "-", "-", "-", "-", "-"};
    std::array<Text, kMaskOutputCells> outputs{"-", "-", "-", "-"};
    std::array<Text, kMaskFlagCells> flags{"-", "-", "-", "-", "-", "-", "-", "-"};
    TextList actions;

    bool operator==(const IoMask&) const = default;
};

// Section I/O event.
struct IoEventSection {
    std::array<IoMask, kMaskCount> masks{};
    bool sleepOn = false;
    TextList sleepActions;

    bool operator==(const IoEventSection&) const = default;
};

// An event that is switched on or off and runs a list of action entries.
struct EventActions {
    bool on = false;
    TextList actions;

    bool operator==(const EventActions&) const = default;
};

// Section Communication event, in the order the file writes them.
enum class CommEvent {
    Online, Offline, OnRadio, RadioError, RadioAck, RadioNak, NoReceipt, OnSerial, SerialError, UnitBooting
};

// Section Counter event, one per counter.
struct CounterEvent {
    bool on = false;
    TextList onCounter;  // Actions1, "On counter:"
    TextList onZero;     // Actions2, "On zero:"

    bool operator==(const CounterEvent&) const = default;
};

// A received text that triggers actions (Message event, "+Message" n).
struct MessageEvent {
    bool on = false;
    Text text;
    bool fromRadio = false;
    bool fromSerial = true;
    TextList actions;

    bool operator==(const MessageEvent&) const = default;
};

// Message-type slots, in slot order (the file writes Configuration before Remote and Broadcast).
enum class MessageType { Transparant, Question, IoCommand, Remote, Broadcast, Configuration };

// Section Message event.
struct MessageEventSection {
    std::array<MessageEvent, kMessageCount> messages{};
    EventActions noMatchRadio;   // message slot 20
    EventActions noMatchSerial;  // message slot 21
    std::array<EventActions, kMessageTypeCount> types{};

    bool operator==(const MessageEventSection&) const = default;
};

// Section Remote event, one per remote event.
struct RemoteEvent {
    bool on = false;
    TextList controls;
    TextList actions;

    bool operator==(const RemoteEvent&) const = default;
};

// A message the unit can send (Message action, "+Message" n).
struct MessageText {
    Text type = "Message";  // "Message" or "Alarm"
    Text text;

    bool operator==(const MessageText&) const = default;
};

// Section Message action.
struct MessageActionSection {
    TextList actions;
    std::array<MessageText, kMessageCount> messages{};

    bool operator==(const MessageActionSection&) const = default;
};

// The whole configuration of one unit.
struct UnitConfiguration {
    UnitIdentity unit;
    NetworkSetup network;
    RadioSetup radio;
    SerialSetup serial;
    std::array<TimerSetup, kTimerCount> timers{};
    std::array<CounterSetup, kCounterCount> counters{};
    InputSection input;
    IoEventSection ioEvents;
    std::array<EventActions, kTimerCount> timerEvents{};
    std::array<EventActions, kCommEventCount> commEvents{};
    std::array<CounterEvent, kCounterCount> counterEvents{};
    MessageEventSection messageEvents;
    std::array<RemoteEvent, kRemoteEventCount> remoteEvents{};
    MessageActionSection messageActions;
    TextList outputFlagActions;
    TextList timerActions;
    TextList counterActions;

    EventActions& commEvent(CommEvent e) { return commEvents[static_cast<int>(e)]; }
    const EventActions& commEvent(CommEvent e) const { return commEvents[static_cast<int>(e)]; }
    EventActions& messageType(MessageType t) { return messageEvents.types[static_cast<int>(t)]; }
    const EventActions& messageType(MessageType t) const { return messageEvents.types[static_cast<int>(t)]; }

    bool operator==(const UnitConfiguration&) const = default;
};

}  // namespace koru
