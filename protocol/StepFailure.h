#pragma once

// A step of a record encoder that cannot be carried out. The encoder logs the description, drops what
// the step would have added and goes on with the next step; the record is still sent.

#include <stdexcept>
#include <string>

namespace koru {

class StepFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The descriptions the unit's technicians know from the link log.
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kDivisionByZero = "Division by zero";
inline constexpr const char* kTypeMismatch = "Type mismatch";
inline constexpr const char* kSubscriptOutOfRange = "Subscript out of range";
inline constexpr const char* kInvalidArgument = "Invalid procedure call or argument";

}  // namespace koru
