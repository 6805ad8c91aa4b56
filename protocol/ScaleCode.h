#pragma once

// The scale of an analogue input as the unit takes it: a four-digit mantissa, an offset in units of the
// scale's power of ten, and that power of ten.

#include <string>
#include <string_view>

namespace koru {

// "mantissa:offset:exponent" for a scale and offset text over the voltage range vmin..vmax. A scale or
// offset that is not a valid number counts as 0. Throws StepFailure when the scaled range is negative
// (no power of ten can be taken).
std::string ScaleCode(std::string_view scale, std::string_view offset, double vmin, double vmax);

}  // namespace koru
