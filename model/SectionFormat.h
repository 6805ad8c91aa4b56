#pragma once

// The building blocks of the section readers and writers: a table of keys per section or subsection
// (read, write and the editor control that shows the setting), and the subsection a reader has selected.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/FileSyntax.h"
#include "model/UnitConfiguration.h"

namespace koru {

// Why a line makes a load fail; nullopt when the line was applied or ignored.
using ReadFailure = std::optional<std::string>;

// One key line of a section or subsection: how its value is written and read, and the editor control
// that shows it (indexed controls by their base name).
template <class Record>
struct Field {
    const char* key;
    const char* control;
    std::string (*write)(const Record&);
    void (*read)(Record&, const std::string& value);
    // For keys whose value can leave everything as it was: whether this value touches the subsection at
    // all (a value that touches nothing does not need a valid subsection number). Null: always.
    bool (*touches)(const std::string& value) = nullptr;
};

template <class R, Text R::*M>
std::string WriteTextField(const R& r) { return r.*M; }
template <class R, Text R::*M>
void ReadTextField(R& r, const std::string& value) { r.*M = value; }
template <class R, bool R::*M>
std::string WriteFlagField(const R& r) { return FlagText(r.*M); }
template <class R, bool R::*M>
void ReadFlagField(R& r, const std::string& value) { r.*M = value == "1"; }
template <class R, TextList R::*M>
std::string WriteListField(const R& r) { return JoinList(r.*M); }
template <class R, TextList R::*M>
void ReadListField(R& r, const std::string& value) { SplitList(value, r.*M); }

#define KORU_TEXT_FIELD(R, member, key, control) \
    ::koru::Field<R> { key, control, &::koru::WriteTextField<R, &R::member>, &::koru::ReadTextField<R, &R::member> }
#define KORU_FLAG_FIELD(R, member, key, control) \
    ::koru::Field<R> { key, control, &::koru::WriteFlagField<R, &R::member>, &::koru::ReadFlagField<R, &R::member> }
#define KORU_LIST_FIELD(R, member, key, control) \
    ::koru::Field<R> { key, control, &::koru::WriteListField<R, &R::member>, &::koru::ReadListField<R, &R::member> }

template <class R, std::size_t N>
const Field<R>* FindField(const std::array<Field<R>, N>& fields, std::string_view key) {
    for (const Field<R>& field : fields) {
        if (key == field.key) return &field;
    }
    return nullptr;
}

template <class R, std::size_t N>
void WriteFields(LineWriter& out, const std::array<Field<R>, N>& fields, const R& record) {
    for (const Field<R>& field : fields) out.keyLine(field.key, field.write(record));
}

// A key line of a reader: its key, and its value unless the value is "-" (which every reader ignores).
struct KeyLine {
    std::string key;
    std::string value;
    bool ignored = false;

    explicit KeyLine(std::string_view line) : key(KeyOf(line)), value(ValueOf(line)), ignored(value == "-") {}
};

// Looks the key up in `fields` and applies it to `record`; unknown keys and "-" values change nothing.
template <class R, std::size_t N>
void ApplyField(const std::array<Field<R>, N>& fields, const KeyLine& line, R& record) {
    if (line.ignored) return;
    if (const Field<R>* field = FindField(fields, line.key)) field->read(record, line.value);
}

// The numbered subsection a reader selected with its last heading. Nothing is selected at the start of a
// load; a selected number outside the count fails only when a key of that subsection is applied.
class SubsectionIndex {
public:
    void select(int fileNumber) { index_ = static_cast<std::int64_t>(fileNumber) - 1; }
    bool selected() const { return index_.has_value(); }

    // Selects by the heading's last character ("+Timer3"): the numbers 1 to 9 only.
    ReadFailure selectByLastCharacter(std::string_view heading);
    // Selects by everything after the subsection's name ("+Mask24").
    ReadFailure selectByRest(std::string_view heading, std::size_t nameLength);

    // Applies a key line to the selected item; nothing selected ignores it, a number outside the count fails.
    template <class T, std::size_t Count, std::size_t N>
    ReadFailure apply(std::array<T, Count>& items, const std::array<Field<T>, N>& fields, const KeyLine& line,
                      std::string_view what) const {
        if (line.ignored) return std::nullopt;
        const Field<T>* field = FindField(fields, line.key);
        if (field == nullptr || !index_) return std::nullopt;
        if (field->touches != nullptr && !field->touches(line.value)) return std::nullopt;
        T* item = at(items);
        if (item == nullptr) return outOfRange(what, Count);
        field->read(*item, line.value);
        return std::nullopt;
    }

    // The selected item, or nullptr when the selected number is outside the count.
    template <class T, std::size_t Count>
    T* at(std::array<T, Count>& items) const {
        if (!index_ || *index_ < 0 || *index_ >= static_cast<std::int64_t>(Count)) return nullptr;
        return &items[static_cast<std::size_t>(*index_)];
    }

    ReadFailure outOfRange(std::string_view what, std::size_t count) const;

private:
    std::optional<std::int64_t> index_;
};

}  // namespace koru
