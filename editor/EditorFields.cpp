#include "editor/EditorFields.h"

#include <array>
#include <string>

#include "model/TimeUnits.h"

namespace koru {

namespace {

constexpr std::array<std::string_view, 4> kPingChoices{"No ping", "Short ping time", "Long ping time", "User defined"};
constexpr std::array<std::string_view, 4> kOneToFour{"1", "2", "3", "4"};
constexpr std::array<std::string_view, 20> kOneToTwenty{"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                                         "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};

const std::array<EditorField, 19> kEditorFields{{
    // Tab 0: the overview's copies of fields on other tabs.
    {"lblAlias", -1, 1, FieldKind::Label},
    {"lblType", -1, 1, FieldKind::Label},
    {"lblMasterUnit", -1, 1, FieldKind::Label},
    {"lstLowerUnits", -1, 1, FieldKind::List},
    {"lstRemotes", -1, 1, FieldKind::List},
    // Tab 1: the units of the library and the ping choice the change buttons use.
    {"lstUnitInSystem", -1, 1, FieldKind::List},
    {"cmbPingTime", -1, 1, FieldKind::Choice, kPingChoices},
    // Tab 2: the channel's frequency.
    {"lblFreq", -1, 1, FieldKind::Label, {}, FieldCheck::None, 0, "433 MHz"},
    // Tabs 8 to 10: what the create-action buttons read.
    {"cmbMessageNumber", -1, 1, FieldKind::Choice, kOneToTwenty},
    {"lstDest", -1, 1, FieldKind::List},
    {"lstDestOutputFlag", -1, 1, FieldKind::List},
    {"txtOutputFlagAction", 0, 12, FieldKind::Cell, {}, FieldCheck::ActionCell, 1, "-"},
    {"cmbTimerNr", 0, 4, FieldKind::Choice, kOneToFour},
    {"txtTimeAction", -1, 1, FieldKind::Number, {}, FieldCheck::Time, 4},
    {"cmbUnitAction", -1, 1, FieldKind::Choice, TimeUnitNames()},
    {"cmbCounterNr", 0, 4, FieldKind::Choice, kOneToFour},
    {"txtCountAction", -1, 1, FieldKind::Number, {}, FieldCheck::NumberOrEmpty, 9},
    {"txtIncCount", -1, 1, FieldKind::Number, {}, FieldCheck::NumberOrEmpty, 9},
    {"txtDecCount", -1, 1, FieldKind::Number, {}, FieldCheck::NumberOrEmpty, 9},
}};

constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kPartners{{
    {"txtTime", "cmbTimerUnit"},
    {"txtTimeAction", "cmbUnitAction"},
    {"txtRetransmissionMinTime", "txtRetransmissionMaxTime"},
}};

}  // namespace

std::span<const EditorField> EditorFields() { return kEditorFields; }

std::optional<ControlDescription> DescribeControl(std::string_view control, int controlIndex) {
    int index = 0;
    if (const Setting* setting = FindSettingByControl(control, controlIndex, &index)) {
        return ControlDescription{setting->kind,    setting->check,          setting->typingLimit,
                                  setting->choices, setting->editableChoice, {},
                                  setting,          index};
    }
    for (const EditorField& field : EditorFields()) {
        if (field.control != control) continue;
        const bool array = field.firstIndex >= 0;
        if (array != (controlIndex >= 0)) continue;
        if (array && (controlIndex < field.firstIndex || controlIndex >= field.firstIndex + field.count)) continue;
        return ControlDescription{field.kind, field.check, field.typingLimit, field.choices, false, field.initial,
                                  nullptr,    0};
    }
    return std::nullopt;
}

std::optional<std::string_view> CheckPartner(std::string_view control) {
    for (const auto& [first, second] : kPartners) {
        if (control == first) return second;
        if (control == second) return first;
    }
    return std::nullopt;
}

}  // namespace koru
