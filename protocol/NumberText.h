#pragma once

// How numbers are written to the unit: the shortest decimal form and range-checked conversions to the
// unit's 16- and 32-bit integers. Reading numbers and rounding follow the shared text rules.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/TextRules.h"

namespace koru {

// Up to 15 significant digits, no trailing zeros or ".", "-" for negatives; plain digits for magnitudes
// from 0.00001 up to below 10^15, otherwise a mantissa and an exponent ("1E+15", "2.5E-06").
// A value that is not finite gives the empty text.
std::string ShortestDecimal(double value);

// Rounded half to even and checked against the integer's range; nullopt on overflow.
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);

// A decimal text left-padded with "0" to `width` characters, of which only the last `width` remain.
std::string PadKeepLast(std::string_view text, std::size_t width);

// The last `digits` upper-case hexadecimal digits of a 32-bit value, zero-padded.
std::string HexDigits(std::uint32_t value, std::size_t digits);

}  // namespace koru
