#include "protocol/TimeCode.h"

#include "model/TimeUnits.h"
#include "protocol/NumberText.h"
#include "protocol/StepFailure.h"

namespace koru {

namespace {

// Tenths of a second per time unit; a text that names no unit counts as tenths.
double TenthsPerUnit(std::string_view unit) {
    const TimeUnit* known = FindTimeUnit(unit);
    return known != nullptr ? known->tenthsOfSecond : 1;
}

constexpr double kClampTenths = 144000000;    // 400 hours
constexpr double kHoursFromTenths = 2400000;  // above 4000 minutes
constexpr double kMinutesFromTenths = 40000;  // above 4000 seconds
constexpr double kSecondsFromTenths = 4000;   // above 4000 tenths
constexpr double kLargestCount = 4000;

}  // namespace

std::string TimeCode(std::string_view value, std::string_view unit) {
    const double number = ValidNumber(value).value_or(1.0);
    const double tenths = number * TenthsPerUnit(unit);
    char scale = '0';
    double count = tenths;
    if (tenths > kClampTenths) {
        scale = '3';
        count = kLargestCount;
    } else if (tenths > kHoursFromTenths) {
        scale = '3';
        count = tenths / 36000;
    } else if (tenths > kMinutesFromTenths) {
        scale = '2';
        count = tenths / 600;
    } else if (tenths > kSecondsFromTenths) {
        scale = '1';
        count = tenths / 10;
    }
    const auto whole = ToInt32(count);
    if (!whole) throw StepFailure(kOverflow);
    return scale + HexDigits(static_cast<std::uint32_t>(*whole), 3);
}

}  // namespace koru
