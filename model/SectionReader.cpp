// The section readers. Every section is read by the same rules, driven by the setting catalog: a heading of
// the section's numbered subsection selects an item, a "+" line selects a named subsection where the section
// has them, and a key line sets the setting with that key in the selected subsection (or in the section, for
// the keys that apply wherever they stand).

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/Sections.h"
#include "model/SettingCatalog.h"
#include "model/TextRules.h"

namespace koru {

namespace {

// How a numbered subsection's heading carries its number.
enum class NumberRule {
    LastCharacter,  // the heading's last character only: numbers 1 to 9 ("+Timer12" selects timer 2)
    Rest,           // everything after the subsection's name ("+Mask24")
};

NumberRule NumberRuleOf(Section section) {
    switch (section) {
        case Section::IoEvent:
        case Section::MessageEvent:
        case Section::RemoteEvent:
        case Section::MessageAction: return NumberRule::Rest;
        default: return NumberRule::LastCharacter;
    }
}

// The numbered subsection a reader selected with its last heading. Nothing is selected at the start of a
// load; a number outside the count fails only when a key of that subsection is applied.
class SubsectionIndex {
public:
    ReadFailure select(std::string_view heading, std::size_t nameLength, NumberRule rule) {
        if (rule == NumberRule::LastCharacter) {
            const char last = heading.empty() ? '\0' : heading.back();
            if (last < '0' || last > '9') {
                return "the subsection heading \"" + std::string(heading) + "\" does not end with a number";
            }
            index_ = last - '0' - 1;
            number_ = std::string(1, last);
            return std::nullopt;
        }
        const std::optional<int> number = SubsectionNumberOf(heading.substr(nameLength));
        if (!number) return "the subsection heading \"" + std::string(heading) + "\" has no number";
        index_ = static_cast<std::int64_t>(*number) - 1;
        number_ = std::string(TrimBlanks(heading.substr(nameLength)));
        return std::nullopt;
    }

    bool selected() const { return index_.has_value(); }
    bool within(int count) const { return index_ && *index_ >= 0 && *index_ < count; }
    int item() const { return static_cast<int>(*index_); }

    // Names the number as the heading wrote it, however large.
    std::string outOfRange(std::string_view what, int count) const {
        return "subsection " + std::string(what) + " " + number_ + " is outside 1 to " + std::to_string(count);
    }

private:
    std::optional<std::int64_t> index_;
    std::string number_;  // the subsection number as the heading wrote it
};

// The settings of each section that a file holds, by key, in catalog order: a unit file has thousands of key
// lines, and a section up to hundreds of settings to look through for each.
using KeyIndex = std::unordered_map<std::string_view, std::vector<const Setting*>>;

const std::vector<const Setting*>& SettingsWithKey(Section section, std::string_view key) {
    static const std::array<KeyIndex, kSectionCount> indexes = [] {
        std::array<KeyIndex, kSectionCount> made;
        for (const Section each : AllSections()) {
            for (const Setting& setting : SettingsOf(each)) {
                if (setting.inFile()) made[static_cast<std::size_t>(each)][setting.key].push_back(&setting);
            }
        }
        return made;
    }();
    static const std::vector<const Setting*> none;
    const KeyIndex& index = indexes[static_cast<std::size_t>(section)];
    const auto found = index.find(key);
    return found != index.end() ? found->second : none;
}

// A key line: its key, and its value unless the value is "-" (which every reader ignores).
struct KeyLine {
    std::string_view key;  // views into the line
    std::string_view value;
    bool ignored = false;

    explicit KeyLine(std::string_view line) : key(KeyIn(line)), value(ValueIn(line)), ignored(value == "-") {}
};

class CatalogSectionReader final : public SectionReader {
public:
    explicit CatalogSectionReader(Section section)
        : section_(section), rule_(NumberRuleOf(section)) {
        for (const Setting& setting : SettingsOf(section)) {
            if (setting.block == Block::Numbered) numberedHeading_ = setting.subsection;
            if (setting.block == Block::Named && !setting.readAnywhere) selectsByName_ = true;
        }
    }

    ReadFailure follow(std::string_view line, std::vector<KeyLineEffect>& effects) override {
        if (!numberedHeading_.empty() && line.starts_with(numberedHeading_)) {
            if (selectsByName_) name_ = KeyOf(line).substr(1);
            return index_.select(line, numberedHeading_.size(), rule_);
        }
        const KeyLine keyLine(line);
        if (selectsByName_ && keyLine.key.starts_with('+')) {
            name_ = std::string(keyLine.key.substr(1));
            return std::nullopt;
        }
        if (keyLine.ignored) return std::nullopt;

        const std::vector<const Setting*>& withKey = SettingsWithKey(section_, keyLine.key);
        for (const Setting* setting : withKey) {
            if (setting->block == Block::Section || setting->readAnywhere) {
                effects.push_back({setting, 0, keyLine.value});
                return std::nullopt;
            }
        }
        if (numberedActive()) {
            if (const Setting* setting = find(withKey, Block::Numbered, numberedHeading_)) {
                if (!index_.selected() || !KeyLineTouches(*setting, keyLine.value)) return std::nullopt;
                if (!index_.within(setting->count)) return index_.outOfRange(numberedHeading_.substr(1), setting->count);
                effects.push_back({setting, index_.item(), keyLine.value});
                return std::nullopt;
            }
        }
        if (selectsByName_ && name_) {
            if (const Setting* setting = find(withKey, Block::Named, "+" + *name_)) {
                effects.push_back({setting, 0, keyLine.value});
            }
        }
        return std::nullopt;
    }

private:
    // Where a section also selects by name, its numbered keys apply only while the selected name is that of
    // the numbered subsection ("Message7"); elsewhere they always do.
    bool numberedActive() const {
        if (numberedHeading_.empty()) return false;
        return !selectsByName_ || (name_ && name_->starts_with(numberedHeading_.substr(1)));
    }

    // The first of `withKey` (the settings of one key) in `block` and `subsection`.
    static const Setting* find(const std::vector<const Setting*>& withKey, Block block, std::string_view subsection) {
        for (const Setting* setting : withKey) {
            if (setting->block == block && !setting->readAnywhere && setting->subsection == subsection) return setting;
        }
        return nullptr;
    }

    Section section_;
    NumberRule rule_;
    std::string_view numberedHeading_;
    bool selectsByName_ = false;
    SubsectionIndex index_;
    std::optional<std::string> name_;  // the named subsection selected by the last "+" line
};

}  // namespace

ReadFailure SectionReader::apply(std::string_view line, UnitConfiguration& config) {
    effects_.clear();
    ReadFailure failure = follow(line, effects_);
    if (!failure) {
        for (const KeyLineEffect& effect : effects_) ApplyEffect(effect, config);
    }
    return failure;
}

void ApplyEffect(const KeyLineEffect& effect, UnitConfiguration& config) {
    ApplyKeyLine(*effect.setting, config, effect.item, effect.value);
}

std::unique_ptr<SectionReader> MakeSectionReader(Section section) {
    return std::make_unique<CatalogSectionReader>(section);
}

}  // namespace koru
