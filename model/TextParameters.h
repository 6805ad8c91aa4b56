#pragma once

// Parameter tokens of message texts: short bracketed codes that the unit replaces with a value when it
// sends the message (its ID, an input, a timer, a line break ...). The editor stores and sends them as plain
// characters; the parameter dialog offers one row per token, either fixed or with a drop-down.

#include <span>
#include <string>
#include <string_view>

namespace koru {

inline constexpr int kTextParameterRows = 15;

struct TextParameterRow {
    std::string_view caption;      // the row's caption ("Id:")
    std::string_view control;      // the label ("lblId") or drop-down ("cmbInput") that shows the value
    std::string_view description;  // a fixed row's value text; empty for a drop-down row
    std::span<const std::string_view> choices;  // a drop-down row's items, the first one chosen at first
};

// The rows of the parameter dialog, in order.
std::span<const TextParameterRow> TextParameterRows();

// The token of `row` with `choice` the text of its drop-down (ignored by a fixed row): "<I>", "<I3>",
// "<TU2>", "<L12>" ... An unknown row gives an empty token.
std::string TextParameterToken(int row, std::string_view choice);

}  // namespace koru
