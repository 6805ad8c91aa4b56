#pragma once

// Changes of settings, each with its value before and after: what the editor's edits do to a configuration,
// in the catalog's terms, so they can be applied, reported and taken back one by one.

#include <string>
#include <vector>

#include "model/SettingCatalog.h"
#include "model/UnitConfiguration.h"

namespace koru {

// The value of one item of a setting: the text of a text, number, choice, label or cell; "1" or "0" for a
// flag; the group's value for an option (every option of a group has the same); the entries of a list.
struct SettingValue {
    std::string text;
    TextList list;

    bool operator==(const SettingValue&) const = default;
};

SettingValue ValueOf(const Setting& setting, const UnitConfiguration& config, int index);
void SetValue(const Setting& setting, UnitConfiguration& config, int index, const SettingValue& value);

struct SettingChange {
    const Setting* setting;
    int index;  // within the setting
    SettingValue before;
    SettingValue after;
};

// Every setting item whose value differs, in catalog order; an option group counts once, as its first
// option.
std::vector<SettingChange> Differences(const UnitConfiguration& before, const UnitConfiguration& after);

}  // namespace koru
