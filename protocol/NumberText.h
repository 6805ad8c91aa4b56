#pragma once

// How numbers are read from and written to the configuration's texts, the same way everywhere on the
// send path: a lenient "leading number" reading, a strict "is this a number" test, the shortest decimal
// form, rounding half to even and range-checked conversions to the unit's 16- and 32-bit integers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace koru {

// The longest numeric beginning of `text`: blanks, tabs and line feeds anywhere are skipped, then an
// optional sign, digits with at most one ".", and an optional exponent ("e" or "E", optional sign,
// digits). No numeric beginning gives 0. Too large a magnitude gives an infinity, too small 0.
double LeadingNumber(std::string_view text);

// Whether `text`, after trimming blanks, is a plain decimal number: optional sign, digits with an
// optional "." fraction (".5" and "5." count), optional exponent. The empty text is not a number.
bool IsValidNumber(std::string_view text);

// The value of a valid number (possibly infinite when it is too large); nullopt when not valid.
std::optional<double> ValidNumber(std::string_view text);

// Up to 15 significant digits, no trailing zeros or ".", "-" for negatives; plain digits for magnitudes
// from 0.00001 up to below 10^15, otherwise a mantissa and an exponent ("1E+15", "2.5E-06").
// A value that is not finite gives the empty text.
std::string ShortestDecimal(double value);

// Rounds to a whole number; a value exactly halfway goes to the even neighbour.
double RoundHalfEven(double value);

// Rounded half to even and checked against the integer's range; nullopt on overflow.
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);

// A decimal text left-padded with "0" to `width` characters, of which only the last `width` remain.
std::string PadKeepLast(std::string_view text, std::size_t width);

// The last `digits` upper-case hexadecimal digits of a 32-bit value, zero-padded.
std::string HexDigits(std::uint32_t value, std::size_t digits);

}  // namespace koru
