#pragma once

// Unit numbers on the wire: eight upper-case hexadecimal digits for a unit ID, a unit entry or one of
// the bracketed pseudo-destinations.

#include <string>
#include <string_view>

#include "protocol/EncoderStep.h"

namespace koru {

// The digits and whatever the conversion showed or logged on the way.
struct UnitNumber {
    std::string text;  // eight hexadecimal digits, or empty when the number does not fit
    EncoderSteps steps;
};

inline constexpr const char* kHexOverflowTitle = "Hex Conversion error";

// "[General" is FFFFFFFF, "[Serial" 00000000, "[Upper" the number of `upperUnit` (its first 10
// characters); any other text is read as a leading number, taken modulo 2^32 and rounded half to even.
// Above 4294967295 a message box is shown and the text is empty.
UnitNumber UnitNumberHex(std::string_view text, std::string_view upperUnit);

// The first `count` characters of a text (a unit entry's ID part).
std::string_view FirstChars(std::string_view text, std::size_t count);

}  // namespace koru
