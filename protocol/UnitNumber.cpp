#include "protocol/UnitNumber.h"

#include "protocol/NumberText.h"
#include "protocol/SendLimits.h"
#include "protocol/StepFailure.h"

namespace koru {

namespace {

constexpr double kSignedWrap = 2147483648.0;
constexpr double kWordRange = 4294967296.0;

UnitNumber Convert(std::string_view text, std::string_view upperUnit, bool upperAllowed) {
    if (text == "[General") return {"FFFFFFFF", {}};
    if (text == "[Serial") return {"00000000", {}};
    // An upper unit that is itself "[Upper" would name itself forever; it reads as a plain number.
    if (text == "[Upper" && upperAllowed) return Convert(FirstChars(upperUnit, kUnitIdDigits), {}, false);

    double number = LeadingNumber(text);
    if (number > kLargestUnitId) {
        EncoderStep box{EncoderStep::Kind::MessageBox,
                        "Overflow in Hex-conversion ( " + std::string(text) + ")", kHexOverflowTitle};
        return {{}, {box}};
    }
    if (number >= kSignedWrap) number -= kWordRange;
    const auto value = ToInt32(number);
    if (!value) {
        EncoderStep entry{EncoderStep::Kind::LinkLog, std::string("\r\nError in MyHex(): ") + kOverflow, {}};
        return {{}, {entry}};
    }
    return {HexDigits(static_cast<std::uint32_t>(*value), 8), {}};
}

}  // namespace

UnitNumber UnitNumberHex(std::string_view text, std::string_view upperUnit) {
    return Convert(text, upperUnit, true);
}

std::string_view FirstChars(std::string_view text, std::size_t count) {
    return text.substr(0, count);
}

}  // namespace koru
