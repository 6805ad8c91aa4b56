#include "model/FieldChecks.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "model/TextRules.h"

namespace koru {

namespace {

// A whole number in plain decimal ("-0" written as "0").
std::string WholeNumber(double value) {
    if (value == 0) value = 0;  // drops the sign of -0
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 0);
    return std::string(buffer.data(), result.ptr);
}

// Up to `significant` significant digits in plain decimal: no exponent, no trailing zeros.
std::string PlainDecimal(double value, int significant) {
    if (value == 0 || !std::isfinite(value)) return "0";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, significant - 1);
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = scientific.find('e');
    std::string mantissa(scientific.substr(0, e));
    const bool negative = mantissa.front() == '-';
    if (negative) mantissa.erase(0, 1);
    std::string digits;
    for (char c : mantissa) {
        if (c != '.') digits.push_back(c);
    }
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+'), scientific.data() + scientific.size(),
                    exponent);
    std::string plain;
    if (exponent < 0) {
        plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        plain = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        plain = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    if (plain.find('.') != std::string::npos) {
        plain.erase(plain.find_last_not_of('0') + 1);
        if (plain.back() == '.') plain.pop_back();
    }
    return negative ? "-" + plain : plain;
}

// `value` rounded to `step`; the text unchanged when the value is too large to be written as digits.
std::string StepOrKeep(double value, double step, std::string_view text) {
    const double stepped = RoundHalfEven(value / step) * step;
    return std::isfinite(stepped) ? WholeNumber(stepped) : std::string(text);
}

}  // namespace

std::string ChangeCheck(FieldCheck check, std::string_view text) {
    switch (check) {
        case FieldCheck::NumberOrEmpty:
        case FieldCheck::Time:
        case FieldCheck::Count: return ValidNumber(text) ? std::string(text) : std::string();
        case FieldCheck::Channel: {
            const auto channel = ValidNumber(text);
            if (!channel) return "0";
            if (RoundHalfEven(*channel) > 81) return "81";
            return std::string(text);
        }
        default: return std::string(text);
    }
}

bool HasChangeCheck(FieldCheck check) {
    return check == FieldCheck::NumberOrEmpty || check == FieldCheck::Time || check == FieldCheck::Count ||
           check == FieldCheck::Channel;
}

bool HasLeaveCheck(FieldCheck check) {
    return check == FieldCheck::Time || check == FieldCheck::TimerUnit || check == FieldCheck::Count ||
           check == FieldCheck::Limit || check == FieldCheck::RetransmissionMin ||
           check == FieldCheck::RetransmissionMax || check == FieldCheck::MaskCell;
}

bool StepsOnDoubleClick(FieldCheck check) { return check == FieldCheck::MaskCell || check == FieldCheck::ActionCell; }

std::string LeaveTime(std::string_view time, std::string_view unit) {
    const auto value = ValidNumber(time);
    if (!value) return "0";
    double held = *value;
    std::string text(time);
    if (RoundHalfEven(held) > 4000) {
        held = 4000;
        text = "4000";
    }
    if (unit == "ms") return StepOrKeep(held, 100, text);
    return text;
}

std::string LeaveTimerUnit(std::string_view time, std::string_view unit) {
    const auto value = ValidNumber(time);
    if (unit != "ms" || !value) return std::string(time);
    const double stepped = RoundHalfEven(*value / 100) * 100;
    if (RoundHalfEven(stepped) > 4000) return "4000";
    return std::isfinite(stepped) ? WholeNumber(stepped) : std::string(time);
}

std::string LeaveCount(std::string_view count) {
    const auto value = ValidNumber(count);
    if (!value) return "0";
    if (RoundHalfEven(*value) > 999999999) return "999999999";
    return std::string(count);
}

std::string LeaveLimit(std::string_view text) { return ValidNumber(text) ? std::string(text) : std::string(); }

std::string LeaveRetransmissionMin(std::string_view minimum, std::string_view maximum) {
    const auto value = ValidNumber(minimum);
    if (!value) return "200";
    double held = RoundHalfEven(*value) < 0 ? 0 : *value;
    std::string text = StepOrKeep(held, 10, minimum);
    held = RoundHalfEven(held / 10) * 10;
    const auto other = ValidNumber(maximum);
    if (other && RoundHalfEven(*other) < RoundHalfEven(held)) return std::string(maximum);
    return text;
}

std::string LeaveRetransmissionMax(std::string_view maximum, std::string_view minimum) {
    const auto value = ValidNumber(maximum);
    if (!value) return "600";
    double held = RoundHalfEven(*value) > 2500 ? 2500 : *value;
    std::string text = StepOrKeep(held, 10, maximum);
    held = RoundHalfEven(held / 10) * 10;
    const auto other = ValidNumber(minimum);
    if (other && RoundHalfEven(held) < RoundHalfEven(*other)) return std::string(minimum);
    return text;
}

std::string LeaveMaskCell(std::string_view cell) {
    if (cell == "-" || cell == "T" || cell == "1" || cell == "0") return std::string(cell);
    return "-";
}

std::string NextMaskCellValue(std::string_view cell) {
    if (cell == "-") return "0";
    if (cell == "0") return "1";
    return "-";
}

std::string NextActionCellValue(std::string_view cell) {
    if (cell == "-") return "0";
    if (cell == "0") return "1";
    if (cell == "1") return "T";
    return "-";
}

std::string RoundedToStep(double value, double step) { return WholeNumber(RoundHalfEven(value / step) * step); }

std::string ChannelFrequencyText(std::string_view channel) {
    const double c = ValidNumber(channel).value_or(0);
    const double megahertz = c < 70 ? 433.05 + 0.025 * c : 439.7 + 0.025 * (c - 70);
    return PlainDecimal(megahertz, 15) + " MHz";
}

}  // namespace koru
