#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/SettingCatalog.h"
#include "model/UnitFile.h"

namespace koru {
namespace {

// A value of the setting's own kind that differs from every initial value.
std::string OtherValue(const Setting& setting, const UnitConfiguration& config, int index) {
    switch (setting.kind) {
        case FieldKind::Flag:
        case FieldKind::Option: return FieldValue(setting, config, index) == "1" ? "0" : "1";
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
            int found = -1;
            const int controlIndex = setting.firstIndex < 0 ? -1 : setting.firstIndex + index;
            EXPECT_EQ(FindSettingByControl(setting.control, controlIndex, &found), &setting) << name;
            EXPECT_EQ(found, index) << name;
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
                SetFieldValue(setting, edited, index, OtherValue(setting, edited, index));
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

TEST(SettingCatalog, OptionsSelectTheirGroupsValue) {
    UnitConfiguration config;
    const Setting* onlyDown = FindSettingByControl("optOnlyDown", -1);
    const Setting* allOff = FindSettingByControl("optAllOff", -1);
    ASSERT_TRUE(onlyDown && allOff);
    EXPECT_EQ(FieldValue(*allOff, config, 0), "1");
    SetFieldValue(*onlyDown, config, 0, "1");
    EXPECT_EQ(config.radio.broadcast, BroadcastMode::OnlyDown);
    EXPECT_EQ(FieldValue(*allOff, config, 0), "0");
    SetFieldValue(*onlyDown, config, 0, "0");  // a radio button is only ever switched on
    EXPECT_EQ(config.radio.broadcast, BroadcastMode::OnlyDown);

    int index = -1;
    const Setting* digital = FindSettingByControl("optDigital", 4, &index);
    ASSERT_TRUE(digital);
    SetFieldValue(*digital, config, index, "1");
    EXPECT_EQ(config.input.inputs[4].type, InputType::Digital);
    EXPECT_EQ(config.input.inputs[3].type, InputType::Analogue);
}

}  // namespace
}  // namespace koru
