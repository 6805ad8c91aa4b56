#pragma once

// Every setting of a unit, described once: where the unit file keeps it (section, subsection, key), the
// editor control that shows it, what kind of field that is, its choices, its checks, and how to reach its
// value in a UnitConfiguration. The section readers and writers, the unit check and the editor's binder all
// work from this one table.

#include <span>
#include <string>
#include <string_view>

#include "model/FieldCheck.h"
#include "model/Sections.h"
#include "model/UnitConfiguration.h"

namespace koru {

enum class FieldKind {
    Label,   // a text the program sets and the window only shows (lblId, lblSelectedMaster)
    FreeText,  // free text
    Number,  // a number typed as text
    Choice,  // a drop-down; `choices` are its items
    Flag,    // a check box, "1" or "0"
    Option,  // one option of an option group; `option` is the group value it selects
    List,    // a list of texts
    Cell,    // a one-character cell of an I/O mask
};

// Where a setting's line stands in its section.
enum class Block {
    Section,   // before any subsection heading; read wherever it stands in the section
    Numbered,  // in each numbered subsection: the heading, then the subsection's number from 1
    Named,     // under one named subsection heading
};

// An option group: the value of the selected option ("" when none is), and selecting one by its value.
struct OptionGroup {
    std::string (*get)(const UnitConfiguration& config, int item);
    void (*set)(UnitConfiguration& config, int item, std::string_view value);
};

// How a key line is written and read when the value is more than the field's own text.
struct KeyCodec {
    std::string (*write)(const UnitConfiguration& config, int item);
    void (*read)(UnitConfiguration& config, int item, std::string_view value);
};

struct Setting {
    Section section;
    Block block;
    std::string_view subsection;  // the heading without its number ("+Timer") or the named heading ("+Online")
    int count;                    // items of a numbered subsection; 1 otherwise
    std::string_view key;         // empty: only the editor holds it (no file has a line for it)
    std::string_view control;     // the editor control; a control array when `firstIndex` >= 0
    int firstIndex;               // control index of the first item; -1 for a single control
    FieldKind kind;
    int cells = 1;                // Cell: cells per item (the control index is item * cells + cell)
    std::span<const std::string_view> choices = {};
    bool editableChoice = false;  // the drop-down also takes typed text
    std::string_view option = {}; // Option: the group value this option selects
    FieldCheck check = FieldCheck::None;
    int typingLimit = 0;          // characters that can be typed; 0 for no limit
    bool part = false;            // one part of a key line that another setting of the same key writes
    bool readAnywhere = false;    // a Named setting that applies wherever it stands in its section

    // Value access; `index` is the index within this setting (item * cells + cell).
    Text& (*text)(UnitConfiguration&, int index) = nullptr;      // Label, Text, Number, Choice, Cell
    bool& (*flag)(UnitConfiguration&, int index) = nullptr;      // Flag
    TextList& (*list)(UnitConfiguration&, int index) = nullptr;  // List
    const OptionGroup* group = nullptr;                          // Option
    const KeyCodec* codec = nullptr;  // a key line written and read its own way; null: by kind

    // How many controls this setting has: count * cells.
    int size() const { return count * cells; }
    bool inFile() const { return !key.empty() && !part; }
};

// All settings, in the order the unit file writes their sections and keys.
std::span<const Setting> Settings();

// The settings of one section, in file order.
std::span<const Setting> SettingsOf(Section section);

// The control name for `index` within `setting`: "txtTime(2)", or "lblId" for a single control.
std::string ControlName(const Setting& setting, int index);

// A field's value as the editor shows it: the text of a text field, drop-down, label or cell; "1" or "0" for a
// check box; "1" or "0" for an option (selected or not). Lists are read with `list`.
std::string FieldValue(const Setting& setting, const UnitConfiguration& config, int index);

// The value of a key line as the unit file writes it for one item.
std::string KeyLineValue(const Setting& setting, const UnitConfiguration& config, int item);

// Applies a key line's value to one item, as the section reader does.
void ApplyKeyLine(const Setting& setting, UnitConfiguration& config, int item, std::string_view value);

// Whether applying `value` can change anything at all (an empty mask cell list changes nothing, so it needs
// no valid subsection number).
bool KeyLineTouches(const Setting& setting, std::string_view value);

}  // namespace koru
