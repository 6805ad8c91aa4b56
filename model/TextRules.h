#pragma once

// The small text rules every layer shares, so a number, a trimmed text or a joined list means the same in
// the files, on the wire and in the editor's field checks: the decimal number grammar, trimming blanks,
// rounding half to even and joining texts.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace koru {

// Removes leading and trailing blanks (spaces only; tabs, CR and LF stay).
std::string_view TrimBlanks(std::string_view text);

// The texts in order with `separator` between them; nothing is added to the texts themselves.
std::string JoinTexts(const std::vector<std::string>& texts, std::string_view separator);

// The number grammar: an optional sign, digits with at most one "." (at least one digit; ".5" and "5."
// count), then an optional exponent ("e" or "E", an optional sign, at least one digit).

// Whether `text`, after trimming blanks, is one whole number of the grammar. The empty text is not.
bool IsValidNumber(std::string_view text);

// The value of a valid number (an infinity when its magnitude is too large, 0 when too small); nullopt
// when the text is not a valid number. Read the same whatever the process locale says.
std::optional<double> ValidNumber(std::string_view text);

// The longest beginning of `text` that the grammar reads, after blanks, tabs and line feeds anywhere are
// dropped; an "e" without exponent digits ends the number before it. No numeric beginning gives 0.
double LeadingNumber(std::string_view text);

// Rounds to a whole number; a value exactly halfway goes to the even neighbour. Infinities stay.
double RoundHalfEven(double value);

}  // namespace koru
