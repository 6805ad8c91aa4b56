#include "protocol/NumberText.h"

#include <charconv>
#include <cmath>

namespace koru {

std::string ShortestDecimal(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";
    // Scientific form with 15 significant digits: "d.dddddddddddddde+XX".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, e)) {
        if (c != '.') digits.push_back(c);
    }
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= -5 && exponent <= 14) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                out += digits;
                out.append(whole - digits.size(), '0');
            } else {
                out += digits.substr(0, whole);
                out += '.';
                out += digits.substr(whole);
            }
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(std::abs(exponent));
    if (magnitude.size() < 2) out += '0';
    out += magnitude;
    return out;
}

std::optional<std::int16_t> ToInt16(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int32_t> ToInt32(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::string PadKeepLast(std::string_view text, std::size_t width) {
    std::string padded(width > text.size() ? width - text.size() : 0, '0');
    padded += text;
    return padded.substr(padded.size() - width);
}

std::string HexDigits(std::uint32_t value, std::size_t digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out(digits, '0');
    for (std::size_t i = digits; i > 0 && value != 0; --i) {
        out[i - 1] = kHex[value & 0xF];
        value >>= 4;
    }
    return out;
}

}  // namespace koru
