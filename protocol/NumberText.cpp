#include "protocol/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace koru {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where a number pattern ends inside `text` (0 when there is none). The pattern is an optional sign,
// digits with at most one "." (at least one digit), then an optional exponent with at least one digit.
std::size_t MatchNumber(std::string_view text, bool requireWhole) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    bool point = false;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t exponentDigits = 0;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++exponentDigits;
        }
        if (exponentDigits > 0) i = j;
        else if (requireWhole) return 0;
    }
    return i;
}

// Converts a matched number pattern without depending on the process locale.
double ConvertMatched(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the position of the first significant digit.
        const std::size_t exponentAt = number.find_first_of("eE");
        const std::string_view mantissa = number.substr(0, exponentAt);
        long long exponent = 0;
        if (exponentAt != std::string_view::npos) {
            std::string_view e = number.substr(exponentAt + 1);
            const bool negativeExponent = !e.empty() && e.front() == '-';
            if (!e.empty() && (e.front() == '+' || e.front() == '-')) e.remove_prefix(1);
            for (char c : e) {
                exponent = std::min<long long>(exponent * 10 + (c - '0'), 1000000);
            }
            if (negativeExponent) exponent = -exponent;
        }
        const std::size_t pointAt = mantissa.find('.');
        const std::string_view whole = mantissa.substr(0, pointAt);
        const std::size_t firstSignificant = whole.find_first_not_of('0');
        const bool large = firstSignificant != std::string_view::npos
                               ? exponent + static_cast<long long>(whole.size() - firstSignificant) > 1
                               : exponent > 0;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
    }
    const std::size_t length = MatchNumber(compact, false);
    if (length == 0) return 0.0;
    return ConvertMatched(std::string_view(compact).substr(0, length));
}

bool IsValidNumber(std::string_view text) {
    return ValidNumber(text).has_value();
}

std::optional<double> ValidNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty() || MatchNumber(text, true) != text.size()) return std::nullopt;
    return ConvertMatched(text);
}

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

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) return lower + 1;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
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
