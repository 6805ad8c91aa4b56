#pragma once

// Readers and writers of sections made of keys and numbered subsections "+Name1", "+Name2", ...

#include <string>
#include <string_view>

#include "model/Sections.h"

namespace koru {

// How a heading carries its subsection number: as its last character only (numbers 1 to 9), or as
// everything after the subsection's name ("+Mask24").
enum class NumberRule { LastCharacter, Rest };

// A section without subsections: every line is one of its keys.
template <class Record, std::size_t FieldCount>
class FlatSectionReader final : public SectionReader {
public:
    FlatSectionReader(Record& (*record)(UnitConfiguration&), const std::array<Field<Record>, FieldCount>& fields)
        : record_(record), fields_(fields) {}

    ReadFailure apply(const std::string& line, UnitConfiguration& config) override {
        ApplyField(fields_, KeyLine(line), record_(config));
        return std::nullopt;
    }

private:
    Record& (*record_)(UnitConfiguration&);
    const std::array<Field<Record>, FieldCount>& fields_;
};

template <class Record, std::size_t FieldCount>
void WriteFlat(LineWriter& out, const char* heading, const std::array<Field<Record>, FieldCount>& fields,
               const Record& record) {
    out.line(heading);
    WriteFields(out, fields, record);
}

// Keys that belong to the section itself and apply wherever they stand in it.
using SectionKeys = void (*)(const KeyLine& line, UnitConfiguration& config);

// Selects subsections by a heading that begins with `heading` and applies the keys in `fields` to the
// selected one; section-level keys go to `sectionKeys`; every other line is ignored.
template <class Item, std::size_t Count, std::size_t FieldCount>
class NumberedSectionReader final : public SectionReader {
public:
    NumberedSectionReader(const char* heading, NumberRule rule, std::array<Item, Count>& (*items)(UnitConfiguration&),
                          const std::array<Field<Item>, FieldCount>& fields, SectionKeys sectionKeys = nullptr)
        : heading_(heading), rule_(rule), items_(items), fields_(fields), sectionKeys_(sectionKeys) {}

    ReadFailure apply(const std::string& line, UnitConfiguration& config) override {
        if (line.starts_with(heading_)) {
            return rule_ == NumberRule::LastCharacter ? selection_.selectByLastCharacter(line)
                                                      : selection_.selectByRest(line, heading_.size());
        }
        const KeyLine keyLine(line);
        if (sectionKeys_ != nullptr) sectionKeys_(keyLine, config);
        return selection_.apply(items_(config), fields_, keyLine, heading_.substr(1));
    }

private:
    std::string_view heading_;
    NumberRule rule_;
    std::array<Item, Count>& (*items_)(UnitConfiguration&);
    const std::array<Field<Item>, FieldCount>& fields_;
    SectionKeys sectionKeys_;
    SubsectionIndex selection_;
};

// Writes every subsection: the heading with its number from 1, then its keys.
template <class Item, std::size_t Count, std::size_t FieldCount>
void WriteNumbered(LineWriter& out, const char* heading, const std::array<Item, Count>& items,
                   const std::array<Field<Item>, FieldCount>& fields) {
    std::string line(heading);
    const std::size_t nameLength = line.size();
    for (std::size_t n = 0; n < Count; ++n) {
        line.resize(nameLength);
        line += std::to_string(n + 1);
        out.line(line);
        WriteFields(out, fields, items[n]);
    }
}

}  // namespace koru
