#include "model/SettingsDiff.h"

#include <span>

#include "model/Sections.h"
#include "model/SettingCatalog.h"

namespace koru {

namespace {

void DiffItem(std::span<const Setting> block, int item, const UnitConfiguration& first,
              const UnitConfiguration& second, std::vector<SettingDifference>& differences) {
    for (const Setting& setting : block) {
        if (!setting.inFile()) continue;
        std::string a = KeyLineValue(setting, first, item);
        std::string b = KeyLineValue(setting, second, item);
        if (a == b) continue;
        std::string subsection(setting.subsection);
        if (setting.block == Block::Numbered) subsection += std::to_string(item + 1);
        differences.push_back({SectionName(setting.section), std::move(subsection), std::string(setting.key),
                               std::move(a), std::move(b)});
    }
}

}  // namespace

// Walks the settings as the unit file writes them: per section, a numbered subsection item by item.
std::vector<SettingDifference> DiffSettings(const UnitConfiguration& first, const UnitConfiguration& second) {
    std::vector<SettingDifference> differences;
    for (const Section section : AllSections()) {
        const std::span<const Setting> settings = SettingsOf(section);
        std::size_t begin = 0;
        while (begin < settings.size()) {
            std::size_t end = begin + 1;
            while (end < settings.size() && settings[end].block == settings[begin].block &&
                   settings[end].subsection == settings[begin].subsection) {
                ++end;
            }
            const std::span<const Setting> block = settings.subspan(begin, end - begin);
            for (int item = 0; item < block.front().count; ++item) DiffItem(block, item, first, second, differences);
            begin = end;
        }
    }
    return differences;
}

}  // namespace koru
