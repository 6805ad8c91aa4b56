#pragma once

// The window's controls that hold no setting and belong to no event, each named once: the fields only the
// editor holds (the overview's copies, the library's unit and destination lists, what the create-action
// buttons read, the channel's frequency), the buttons, and the frames the window shows or hides. The setting
// catalog names the fields of the settings, the event table those of the events.

#include <array>
#include <span>
#include <string_view>

#include "model/FieldCheck.h"
#include "model/SettingCatalog.h"
#include "model/TimeUnits.h"

namespace koru {

// A field that holds no setting. A control array's elements are named "name(index)".
struct EditorField {
    std::string_view name;
    FieldKind kind;
    std::span<const std::string_view> choices = {};
    FieldCheck check = FieldCheck::None;
    int typingLimit = 0;
    std::string_view initial = {};  // the text a new window shows; a drop-down starts at its first item
};

// A button: its object name and caption.
struct ButtonControl {
    std::string_view name;
    const char* caption;
};

namespace controls {

inline constexpr std::array<std::string_view, 4> kPingChoices{"No ping", "Short ping time", "Long ping time",
                                                              "User defined"};
inline constexpr std::array<std::string_view, 4> kOneToFour{"1", "2", "3", "4"};
inline constexpr std::array<std::string_view, 20> kOneToTwenty{"1",  "2",  "3",  "4",  "5",  "6",  "7",
                                                               "8",  "9",  "10", "11", "12", "13", "14",
                                                               "15", "16", "17", "18", "19", "20"};

// Tab 0: the overview's copies of fields on other tabs, and the way to the unit.
inline constexpr EditorField kAliasCopy{"lblAlias", FieldKind::Label};
inline constexpr EditorField kTypeCopy{"lblType", FieldKind::Label};
inline constexpr EditorField kUpperUnitCopy{"lblMasterUnit", FieldKind::Label};
inline constexpr EditorField kLowerUnitsCopy{"lstLowerUnits", FieldKind::List};
inline constexpr EditorField kRemotesCopy{"lstRemotes", FieldKind::List};
inline constexpr EditorField kIoSummary{"lblIO", FieldKind::Label};
inline constexpr EditorField kSerialSummary{"lblSerialComm", FieldKind::Label};
inline constexpr EditorField kRadioSummary{"lblRadioComm", FieldKind::Label};
inline constexpr ButtonControl kSend{"cmdSetup", "SEND TO &UNIT"};

// Tab 1: the units of the library, the ping choice the change buttons use, and the network buttons.
inline constexpr EditorField kUnits{"lstUnitInSystem", FieldKind::List};
inline constexpr EditorField kPingChoice{"cmbPingTime", FieldKind::Choice, kPingChoices};
inline constexpr EditorField kRemoteChoices{"List1", FieldKind::List};
inline constexpr ButtonControl kSelectUpperUnit{"cmdAddMasterUnit", "S&elect upper unit"};
inline constexpr ButtonControl kDeleteUpperUnit{"cmdDeleteMasterUnit", "&Delete upper unit"};
inline constexpr ButtonControl kAddLowerUnit{"cmdAddSlaveUnit", "&Add lower unit"};
inline constexpr ButtonControl kRemoveLowerUnit{"cmdRemoveSlaveUnit", "&Remove lower unit"};
inline constexpr ButtonControl kChangeUpperPing{"cmdChangeUpperPingTime", "Change &upper unit ping time"};
inline constexpr ButtonControl kChangeLowerPing{"cmdChangeLowerPingTime", "Change &lower unit ping time"};
inline constexpr ButtonControl kAddRemote{"cmdAddRemote", "Add remote"};
inline constexpr ButtonControl kRemoveRemote{"cmdRemoveRemote", "Remove remote"};

// Tab 2: the channel's frequency.
inline constexpr EditorField kFrequency{"lblFreq", FieldKind::Label, {}, FieldCheck::None, 0, "433 MHz"};

// Tab 7: a remote event's controls button.
inline constexpr ButtonControl kAddRemoteControls{"cmdAddButton", "Add controls"};

// Tabs 8 to 10: what the create-action buttons read, and the create and delete buttons.
inline constexpr EditorField kMessageNumber{"cmbMessageNumber", FieldKind::Choice, kOneToTwenty};
inline constexpr EditorField kMessageDestinations{"lstDest", FieldKind::List};
inline constexpr ButtonControl kAddParameter{"cmdAddParameter", "Add &parameter"};
inline constexpr ButtonControl kCreateMessageAction{"cmdCreateMessageAction", "&Create action"};
inline constexpr ButtonControl kDeleteMessageAction{"cmdDeleteMessAction", "&Delete action"};
inline constexpr EditorField kOutputFlagPattern{"txtOutputFlagAction", FieldKind::Cell, {}, FieldCheck::ActionCell, 1,
                                              "-"};
inline constexpr EditorField kOutputFlagDestinations{"lstDestOutputFlag", FieldKind::List};
inline constexpr ButtonControl kCreateOutputFlagAction{"cmdCreateOutputFlagAction", "&Create action"};
inline constexpr ButtonControl kDeleteOutputFlagAction{"cmdDeleteOutputFlagAction", "&Delete action"};
inline constexpr EditorField kTimerNumbers{"cmbTimerNr", FieldKind::Choice, kOneToFour};
inline constexpr EditorField kTimeAction{"txtTimeAction", FieldKind::Number, {}, FieldCheck::Time, 4};
inline const EditorField kTimeUnitAction{"cmbUnitAction", FieldKind::Choice, TimeUnitNames()};
inline constexpr ButtonControl kCreateTimerAction{"cmdCreateTimerAction", "&Create action"};
inline constexpr ButtonControl kDeleteTimerAction{"cmdDeleteTimerAction", "&Delete action"};
inline constexpr EditorField kCounterNumbers{"cmbCounterNr", FieldKind::Choice, kOneToFour};
inline constexpr EditorField kCountAction{"txtCountAction", FieldKind::Number, {}, FieldCheck::NumberOrEmpty, 9};
inline constexpr EditorField kIncreaseAction{"txtIncCount", FieldKind::Number, {}, FieldCheck::NumberOrEmpty, 9};
inline constexpr EditorField kDecreaseAction{"txtDecCount", FieldKind::Number, {}, FieldCheck::NumberOrEmpty, 9};
inline constexpr ButtonControl kCreateCounterAction{"cmdCreateCounterrAction", "&Create action"};
inline constexpr ButtonControl kDeleteCounterAction{"cmdDeleteCounterAction", "&Delete action"};

// The frames: each tab's container, and the parts of a tab the window shows or hides as a whole.
inline constexpr std::string_view kOverviewTab = "fraOverview";
inline constexpr std::string_view kNetworkTab = "fraOtherUnits";
inline constexpr std::string_view kCommSetupTab = "fraCommSetup";
inline constexpr std::string_view kMessageEventsTab = "fraMessage";
inline constexpr std::string_view kIoEventsTab = "Frame3";
inline constexpr std::string_view kTimerCounterCommEventsTab = "fraTimerCounterCommEvents";
inline constexpr std::string_view kRemoteEventsTab = "fraRemotes";
inline constexpr std::string_view kMessageActionsTab = "fraMessAction";
inline constexpr std::string_view kOutputFlagActionsTab = "fraOutputFlagAction";
inline constexpr std::string_view kTimerCounterActionsTab = "fraTimerCounterAction";
inline constexpr std::string_view kMiscTab = "fraMisc";
inline constexpr std::string_view kWebModule = "fraWeb";
inline constexpr std::string_view kGsmModule = "fraGSM";
inline constexpr std::string_view kInputs = "fraIO";
inline constexpr std::string_view kInput = "fraInput";
inline constexpr std::string_view kInputType = "fraInputType";
inline constexpr std::string_view kInputLimits = "fraInputLimit";
inline constexpr std::string_view kAnalogueValues = "fraAnalogueValues";
inline constexpr std::string_view kSleepSetup = "fraSleepSetup";
inline constexpr std::string_view kSleepEdge = "fraSleepHighLow";
inline constexpr std::string_view kRemoteEvents = "fraRemoteEvent";

}  // namespace controls

}  // namespace koru
