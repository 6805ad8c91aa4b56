#include "protocol/ScaleCode.h"

#include <algorithm>
#include <cmath>

#include "protocol/NumberText.h"
#include "protocol/StepFailure.h"

namespace koru {

namespace {

constexpr double kOffsetLimit = 32767;
constexpr int kMantissaDigitsBelow = 3;  // exponent = digits of the scaled range above the fourth

std::string Decimal(double value) {
    if (!std::isfinite(value)) throw StepFailure(kOverflow);
    return ShortestDecimal(value);
}

}  // namespace

std::string ScaleCode(std::string_view scale, std::string_view offset, double vmin, double vmax) {
    const double range = vmax - vmin;
    const double scaled = ValidNumber(scale).value_or(0.0) * range;
    if (scaled < 0 || std::isnan(scaled)) throw StepFailure(kInvalidArgument);
    const double exponent = scaled != 0 ? std::floor(std::log10(scaled)) - kMantissaDigitsBelow
                                        : -static_cast<double>(kMantissaDigitsBelow);
    const double power = std::pow(10.0, exponent);
    const double mantissa = RoundHalfEven(scaled / power);
    double offsetField = ValidNumber(offset).value_or(0.0) * range / power;
    if (std::isnan(offsetField)) throw StepFailure(kOverflow);
    offsetField = std::clamp(offsetField, -kOffsetLimit, kOffsetLimit);
    return Decimal(mantissa) + ":" + Decimal(offsetField) + ":" + Decimal(exponent);
}

}  // namespace koru
