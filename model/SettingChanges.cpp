#include "model/SettingChanges.h"

#include "model/FileSyntax.h"

namespace koru {

SettingValue ValueOf(const Setting& setting, const UnitConfiguration& config, int index) {
    auto& readable = const_cast<UnitConfiguration&>(config);  // the accessors take a mutable configuration
    switch (setting.kind) {
        case FieldKind::List: return {{}, setting.list(readable, index)};
        case FieldKind::Flag: return {FlagText(setting.flag(readable, index)), {}};
        case FieldKind::Option: return {setting.group->get(config, index), {}};
        default: return {setting.text(readable, index), {}};
    }
}

void SetValue(const Setting& setting, UnitConfiguration& config, int index, const SettingValue& value) {
    switch (setting.kind) {
        case FieldKind::List: setting.list(config, index) = value.list; return;
        case FieldKind::Flag: setting.flag(config, index) = value.text == "1"; return;
        case FieldKind::Option: setting.group->set(config, index, value.text); return;
        default: setting.text(config, index) = value.text; return;
    }
}

std::vector<SettingChange> Differences(const UnitConfiguration& before, const UnitConfiguration& after) {
    std::vector<SettingChange> changes;
    for (const Setting& setting : Settings()) {
        if (setting.kind == FieldKind::Option && setting.part) continue;
        for (int index = 0; index < setting.size(); ++index) {
            SettingValue was = ValueOf(setting, before, index);
            SettingValue now = ValueOf(setting, after, index);
            if (was != now) changes.push_back({&setting, index, std::move(was), std::move(now)});
        }
    }
    return changes;
}

}  // namespace koru
