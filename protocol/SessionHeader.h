#pragma once

// The text that starts every line of a send: the protocol's name and the configured unit's number.

#include <string>

#include "model/UnitConfiguration.h"
#include "protocol/EncoderStep.h"

namespace koru {

struct SessionHeader {
    std::string text;    // "ORVEN_AB_KORU_SETUP;" + eight hexadecimal digits + ";"
    EncoderSteps steps;  // what converting the unit's ID showed or logged
};

SessionHeader BuildSessionHeader(const UnitConfiguration& config);

}  // namespace koru
