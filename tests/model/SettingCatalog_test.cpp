#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/SettingCatalog.h"
#include "model/SettingChanges.h"
#include "model/SettingCodecs.h"
#include "model/UnitFile.h"

namespace koru {
namespace {

// A value of the setting's own kind that differs from every initial value.
std::string OtherValue(const Setting& setting, const UnitConfiguration& config, int index) {
    switch (setting.kind) {
        case FieldKind::Flag: return FieldValue(setting, config, index) == "1" ? "0" : "1";
        case FieldKind::Option: return std::string(setting.option);
        case FieldKind::Cell: return "T";
        case FieldKind::Choice:
            for (std::string_view choice : setting.choices) {
                if (choice != FieldValue(setting, config, index)) return std::string(choice);
            }
            return "other";
        default: return "x" + std::to_string(index);
    }
}

TEST(SettingCatalog, EveryControlNamesExactlyOneSetting) {
    std::set<std::string> names;
    for (const Setting& setting : Settings()) {
        for (int index = 0; index < setting.size(); ++index) {
            const std::string name = ControlName(setting, index);
            EXPECT_TRUE(names.insert(name).second) << name << " is bound twice";
        }
    }
    // The window's control arrays that two subsections share.
    EXPECT_TRUE(names.count("chkMessageOn(21)") && names.count("lstMessage(20)") && names.count("txtFlag(191)"));
    EXPECT_TRUE(names.count("chkTypeOfMessageOn(5)") && !names.count("chkTypeOfMessageOn(6)"));
}

TEST(SettingCatalog, SectionsAreContiguousInFileOrder) {
    std::size_t total = 0;
    for (Section section : AllSections()) {
        for (const Setting& setting : SettingsOf(section)) EXPECT_EQ(setting.section, section);
        total += SettingsOf(section).size();
    }
    EXPECT_EQ(total, Settings().size());
}

// Each field of the window, changed on its own, reaches the unit file and comes back from it; the editor-only
// fields never reach it.
TEST(SettingCatalog, EveryFieldReachesTheFileAndComesBack) {
    for (const Setting& setting : Settings()) {
        for (int index = 0; index < setting.size(); ++index) {
            SCOPED_TRACE(ControlName(setting, index));
            UnitConfiguration base;
            // The user voltage range's texts are written only while that range is chosen.
            if (setting.key == "Voltage range") {
                base.input.voltageRange = VoltageRange::User;
                base.input.userMinVolt = "1";
                base.input.userMaxVolt = "20";
            }
            // An option that starts selected is selected again after its group was moved away from it.
            if (setting.kind == FieldKind::Option && FieldValue(setting, base, index) == "1") {
                setting.group->set(base, index, "");
            }
            UnitConfiguration edited = base;
            if (setting.kind == FieldKind::List) {
                setting.list(edited, index) = {"a", "b c"};
            } else {
                SetValue(setting, edited, index, {OtherValue(setting, edited, index), {}});
            }
            ASSERT_FALSE(edited == base);
            const std::string text = UnitFileText(edited);
            if (setting.key.empty()) {
                EXPECT_TRUE(text == UnitFileText(base));
                continue;
            }
            EXPECT_FALSE(text == UnitFileText(base));
            UnitConfiguration reloaded = base;
            ASSERT_FALSE(LoadUnitText(text, reloaded).has_value());
            if (setting.kind == FieldKind::List) {
                EXPECT_EQ(setting.list(reloaded, index), setting.list(edited, index));
            } else {
                EXPECT_EQ(FieldValue(setting, reloaded, index), FieldValue(setting, edited, index));
            }
        }
    }
}

// An option's value is its group's: any option of a group sets the group, and "nothing selected" is a value.
TEST(SettingCatalog, OptionsHoldTheirGroupsValue) {
    for (const Setting& setting : Settings()) {
        if (setting.kind != FieldKind::Option) continue;
        for (int index = 0; index < setting.size(); ++index) {
            UnitConfiguration config;
            SetValue(setting, config, index, {std::string(setting.option), {}});
            EXPECT_EQ(FieldValue(setting, config, index), "1") << ControlName(setting, index);
            EXPECT_EQ(ValueOf(setting, config, index).text, setting.option) << ControlName(setting, index);
        }
    }
    UnitConfiguration config;
    for (const Setting& setting : SettingsOf(Section::Radio)) {
        if (setting.group == &kBroadcastGroup) SetValue(setting, config, 0, {"", {}});
    }
    EXPECT_EQ(config.radio.broadcast, BroadcastMode::None);
}

// Differences name each changed item once, an option group as one item, with its values before and after.
TEST(SettingCatalog, DifferencesNameEachChangedItemOnce) {
    const UnitConfiguration before;
    UnitConfiguration after;
    after.radio.broadcast = BroadcastMode::OnlyDown;
    after.timers[2].time = "300";
    after.ioEvents.masks[1].inputB[3] = "1";
    after.counterActions = {"Reset Counter 1"};
    const auto shown = [](const SettingValue& value) {
        return value.list.empty() ? value.text : std::to_string(value.list.size()) + " entries";
    };
    std::vector<std::string> changed;
    for (const SettingChange& change : Differences(before, after)) {
        changed.push_back(ControlName(*change.setting, change.index) + ": " + shown(change.before) + " > " +
                          shown(change.after));
        UnitConfiguration applied = before;
        SetValue(*change.setting, applied, change.index, change.after);
        EXPECT_EQ(ValueOf(*change.setting, applied, change.index), change.after);
    }
    EXPECT_EQ(changed, (std::vector<std::string>{"optAllOn: 3 > 2", "txtTime(2): 0 > 300", "txtInputB(9): - > 1",
                                                 "lstCounterActions:  > 1 entries"}));
}

}  // namespace
}  // namespace koru
