#include <gtest/gtest.h>

#include "protocol/ScaleCode.h"
#include "protocol/StepFailure.h"
#include "protocol/TimeCode.h"

namespace koru {
namespace {

struct TimeCase {
    const char* value;
    const char* unit;
    const char* code;
};

TEST(EncodeTime, PicksTheFinestScaleThatHoldsTheCount) {
    const TimeCase cases[] = {
        {"5", "s", "0032"},       {"500", "ms", "0005"},    {"400", "s", "0FA0"},    {"401", "s", "1191"},
        {"10", "min", "1258"},    {"2", "h", "2078"},       {"1000", "h", "33E8"},   {"9999", "h", "3FA0"},
        {"0", "s", "0000"},       {"", "s", "000A"},        {"abc", "min", "0258"},
        // boundaries belong to the finer scale
        {"4000", "", "0FA0"},     {"4001", "", "1190"},     {"40000", "", "1FA0"},   {"40010", "", "2043"},
        {"2400000", "", "2FA0"},  {"2400001", "", "3043"},  {"144000000", "", "3FA0"},
        {"144000001", "", "3FA0"},
        // half to even
        {"401.5", "s", "1192"},   {"0.25", "s", "0002"},    {"0.35", "s", "0004"},   {"40", "ms", "0000"},
        {"50", "ms", "0000"},     {"150", "ms", "0002"},
        // unknown units are tenths of a second
        {"25", "", "0019"},       {"25", "sec", "0019"},    {"25", "S", "0019"},
        {"-5", "s", "0FCE"},      {" 5 ", "s", "0032"},     {"1e400", "s", "3FA0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeCode(c.value, c.unit), c.code) << c.value << " " << c.unit;
    }
}

TEST(EncodeTime, ACountBeyondThirtyTwoBitsFails) {
    EXPECT_THROW(TimeCode("-3000000000", ""), StepFailure);
    EXPECT_EQ(TimeCode("-214748364", "s"), "0008");  // -2147483640 tenths still fits: 80000008
}

struct ScaleCase {
    const char* scale;
    const char* offset;
    double vmin, vmax;
    const char* fields;
};

TEST(EncodeScale, GivesFourDigitMantissaOffsetAndExponent) {
    const ScaleCase cases[] = {
        {"1", "0", 0, 2.5, "2500:0:-3"},
        {"10", "0", 0, 29.63, "2963:0:-1"},
        {"0.5", "-1", 0, 2.5, "1250:-2500:-3"},
        {"100", "2", 0, 2.5, "2500:50:-1"},
        {"0", "0", 0, 2.5, "0:0:-3"},
        {"abc", "7", 0, 2.5, "0:17500:-3"},   // an invalid scale counts as 0; the offset still counts
        {"1", "x", 0, 2.5, "2500:0:-3"},
        {"1", "100", 0, 2.5, "2500:32767:-3"},  // clamped
        {"1", "-100", 0, 2.5, "2500:-32767:-3"},
        {"1", "1", 0, 3, "3000:3000:-3"},
        {"3.33333", "0", 0, 1, "3333:0:-3"},
        {"9.99996", "0", 0, 1, "10000:0:-3"},
        {"1", "0.1", 0, 3, "3000:300:-3"},
        {"1", "0.0001", 0, 3, "3000:0.3:-3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleCode(c.scale, c.offset, c.vmin, c.vmax), c.fields) << c.scale << " " << c.offset;
    }
}

TEST(EncodeScale, ANegativeScaledRangeFails) {
    EXPECT_THROW(ScaleCode("-1", "0", 0, 2.5), StepFailure);
    EXPECT_THROW(ScaleCode("1", "0", 3, 1), StepFailure);
}

}  // namespace
}  // namespace koru
