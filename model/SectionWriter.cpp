// The section writers. Every section is written by the same rules, driven by the setting catalog: the
// heading, the section's own keys, then each numbered subsection (heading with its number from 1, then its
// keys) or named subsection (heading, then its keys), in catalog order.

#include "model/Sections.h"
#include "model/SettingCatalog.h"

namespace koru {

namespace {

void WriteKeys(LineWriter& out, std::span<const Setting> block, const UnitConfiguration& config, int item) {
    for (const Setting& setting : block) {
        if (setting.inFile()) out.keyLine(setting.key, KeyLineValue(setting, config, item));
    }
}

}  // namespace

void WriteSection(Section section, LineWriter& out, const UnitConfiguration& config) {
    out.line(std::string("-") + SectionName(section));
    const std::span<const Setting> settings = SettingsOf(section);
    std::size_t begin = 0;
    while (begin < settings.size()) {
        const Setting& first = settings[begin];
        std::size_t end = begin + 1;
        while (end < settings.size() && settings[end].block == first.block &&
               settings[end].subsection == first.subsection) {
            ++end;
        }
        const std::span<const Setting> block = settings.subspan(begin, end - begin);
        switch (first.block) {
            case Block::Section: WriteKeys(out, block, config, 0); break;
            case Block::Named:
                out.line(first.subsection);
                WriteKeys(out, block, config, 0);
                break;
            case Block::Numbered:
                for (int item = 0; item < first.count; ++item) {
                    out.line(std::string(first.subsection) + std::to_string(item + 1));
                    WriteKeys(out, block, config, item);
                }
                break;
        }
        begin = end;
    }
}

}  // namespace koru
