#pragma once

// What the window needs to know to make and check a control: the setting catalog describes every control
// that holds a setting; this file adds the controls that only the editor holds (the unit and destination
// lists, the fields the create-action buttons read, the frequency text and the overview's mirrors), and
// one lookup over both.

#include <optional>
#include <span>
#include <string_view>

#include "model/FieldCheck.h"
#include "model/SettingCatalog.h"

namespace koru {

// A control that holds no setting.
struct EditorField {
    std::string_view control;
    int firstIndex;  // -1 for a single control
    int count;       // controls in the array; 1 for a single control
    FieldKind kind;
    std::span<const std::string_view> choices = {};
    FieldCheck check = FieldCheck::None;
    int typingLimit = 0;
    std::string_view initial = {};  // the text a new window shows; a drop-down starts at its first item
};

std::span<const EditorField> EditorFields();

// Everything the window needs of one control, whichever table describes it.
struct ControlDescription {
    FieldKind kind = FieldKind::Label;
    FieldCheck check = FieldCheck::None;
    int typingLimit = 0;
    std::span<const std::string_view> choices = {};
    bool editableChoice = false;
    std::string_view initial = {};
    const Setting* setting = nullptr;  // null for a control that only the editor holds
    int index = 0;                     // the index within `setting`
};

// `controlIndex` is -1 for a single control. nullopt when neither table knows the control.
std::optional<ControlDescription> DescribeControl(std::string_view control, int controlIndex);

// The control whose value a check also reads or corrects: a timer's time and its unit, the set-time action's
// time and its unit, the retransmission minimum and maximum. nullopt for a control without one.
std::optional<std::string_view> CheckPartner(std::string_view control);

}  // namespace koru
