#include "tests/support/GeneratedUnits.h"

#include <map>
#include <string>
#include <vector>

#include "model/SettingCatalog.h"
#include "model/UnitName.h"

namespace koru::test {

namespace {

std::string N(int n) { return std::to_string(n); }

// A few Windows-1252 letters beyond ASCII, the euro sign and the bytes no character uses in most code pages.
constexpr const char* kHighBytes[] = {"\xFC", "\xD8", "\xE5", "\x80", "\x81", "\x8D", "\x8F", "\x90", "\x9D", "\xFF"};

std::string High(int n) { return kHighBytes[static_cast<unsigned>(n) % std::size(kHighBytes)]; }

std::string Text(const Setting& setting, int index, int seed, bool maximal) {
    const int n = seed * 31 + index;
    if (setting.control == "txtAlias") {
        // Long aliases stay whole although only 20 characters can be typed; letters that can name a file.
        static const char* const kLetters[] = {"\xFC", "\xD8", "\xE5", "\x80", "\x8A", "\xDF"};
        const std::string letter = kLetters[static_cast<unsigned>(seed) % std::size(kLetters)];
        return maximal || seed % 3 == 1 ? "Pumpstation S" + letter + "dhafen " + N(seed) : "P" + letter + "mp " + N(seed);
    }
    if (setting.control == "txtMessage" || setting.control == "txtTextString") {
        std::string text = "Tank " + N(index) + High(n) + ", level=" + N(seed) + " <I" + N(index % 6 + 1) + ">";
        if (maximal || (n % 4) == 0) text += " and a tail past thirty characters";
        return text;
    }
    return "Text " + N(n) + High(n);
}

std::string Number(int seed, int index) {
    static const char* const kNumbers[] = {"12", "0.5", "-3", "1e3", "250", "7.25", "1E2", ".5", "40", "3."};
    return kNumbers[static_cast<unsigned>(seed + index) % std::size(kNumbers)];
}

std::string Choice(const Setting& setting, int index, int seed) {
    const int n = seed + index;
    if (setting.check == FieldCheck::Channel) {
        // Channels typed or picked: listed ones and numbers the list does not hold.
        static const char* const kTyped[] = {"07", "1e1", "80.5", "5."};
        return n % 5 == 4 ? kTyped[static_cast<unsigned>(seed) % std::size(kTyped)] : N((seed * 17 + index) % 82);
    }
    if (n % 4 == 3) return "Other " + N(seed) + High(n);  // a hand-edited value outside the list
    return std::string(setting.choices[static_cast<std::size_t>(n) % setting.choices.size()]);
}

std::string Cell(int seed, int index) {
    static const char* const kCells[] = {"-", "0", "1", "T", "-", "1", "t", "x"};
    return kCells[static_cast<unsigned>(seed * 3 + index) % std::size(kCells)];
}

TextList List(const Setting& setting, int index, int seed, bool maximal) {
    const int count = maximal ? 40 : (seed + index) % 5;
    TextList items;
    for (int k = 0; k < count; ++k) {
        if (setting.control == "lstSlaveUnits") {
            items.push_back(PadUnitId(N(100 + k)) + "(Well " + N(k) + High(k) + ")");
        } else {
            items.push_back("Reset Counter " + N(k % 4 + 1) + (k % 3 ? "" : " " + High(seed + k)) + " #" + N(seed));
        }
    }
    return items;
}

// Puts every option group in one of its states, "nothing selected" included where the group has it.
void SetOptions(UnitConfiguration& config, int seed) {
    std::map<std::pair<const OptionGroup*, int>, std::vector<std::string_view>> groups;
    for (const Setting& setting : Settings()) {
        if (setting.kind != FieldKind::Option) continue;
        for (int item = 0; item < setting.size(); ++item) groups[{setting.group, item}].push_back(setting.option);
    }
    for (auto& [key, values] : groups) {
        const auto& [group, item] = key;
        UnitConfiguration probe;
        group->set(probe, item, "");
        if (group->get(probe, item).empty()) values.push_back("");
        group->set(config, item, values[static_cast<std::size_t>(seed + item) % values.size()]);
    }
}

UnitConfiguration Make(int seed, bool maximal) {
    UnitConfiguration config;
    for (const Setting& setting : Settings()) {
        for (int index = 0; index < setting.size(); ++index) {
            switch (setting.kind) {
                case FieldKind::Label:
                    setting.text(config, index) =
                        setting.control == "lblId" ? PadUnitId(N(seed * 7919 % 1000000 + 1)) : Text(setting, index, seed, maximal);
                    break;
                case FieldKind::FreeText: setting.text(config, index) = Text(setting, index, seed, maximal); break;
                case FieldKind::Number: setting.text(config, index) = Number(seed, index); break;
                case FieldKind::Choice: setting.text(config, index) = Choice(setting, index, seed); break;
                case FieldKind::Flag: setting.flag(config, index) = (seed + index) % 2 == 1; break;
                case FieldKind::Cell: setting.text(config, index) = Cell(seed, index); break;
                case FieldKind::List: setting.list(config, index) = List(setting, index, seed, maximal); break;
                case FieldKind::Option: break;
            }
        }
    }
    SetOptions(config, seed);
    return config;
}

}  // namespace

UnitConfiguration GeneratedUnit(int seed) { return Make(seed, false); }

UnitConfiguration MaximalUnit(int seed) { return Make(seed, true); }

}  // namespace koru::test
