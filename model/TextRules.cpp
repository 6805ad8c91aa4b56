#include "model/TextRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace koru {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the number grammar ends inside `text`, read from its start (0 when there is no number). With
// `whole`, an "e" without exponent digits spoils the number; otherwise the number ends before the "e".
std::size_t MatchNumber(std::string_view text, bool whole) {
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
        const std::size_t exponentStart = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        if (j > exponentStart) i = j;
        else if (whole) return 0;
    }
    return i;
}

// The value of a text the grammar matched whole. from_chars reads "." whatever the locale says, but takes
// no leading "+" and reports overflow and underflow alike, so the magnitude is judged here.
double ConvertMatched(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow or underflow, told apart by the position of the first significant digit.
        const std::size_t exponentAt = number.find_first_of("eE");
        const std::string_view mantissa = number.substr(0, exponentAt);
        long long exponent = 0;
        if (exponentAt != std::string_view::npos) {
            std::string_view e = number.substr(exponentAt + 1);
            const bool negativeExponent = !e.empty() && e.front() == '-';
            if (!e.empty() && (e.front() == '+' || e.front() == '-')) e.remove_prefix(1);
            for (char c : e) exponent = std::min<long long>(exponent * 10 + (c - '0'), 1000000);
            if (negativeExponent) exponent = -exponent;
        }
        const std::string_view whole = mantissa.substr(0, mantissa.find('.'));
        const std::size_t firstSignificant = whole.find_first_not_of('0');
        const bool large = firstSignificant != std::string_view::npos
                               ? exponent + static_cast<long long>(whole.size() - firstSignificant) > 1
                               : exponent > 0;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string JoinTexts(const std::vector<std::string>& texts, std::string_view separator) {
    std::string joined;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) joined.append(separator);
        joined.append(texts[i]);
    }
    return joined;
}

bool IsValidNumber(std::string_view text) {
    text = TrimBlanks(text);
    return !text.empty() && MatchNumber(text, true) == text.size();
}

std::optional<double> ValidNumber(std::string_view text) {
    if (!IsValidNumber(text)) return std::nullopt;
    return ConvertMatched(TrimBlanks(text));
}

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

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) return lower + 1;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

}  // namespace koru
