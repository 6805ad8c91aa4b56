#pragma once

// The send dialog's visible boxes by name, as a comma-separated list: general, network, radio, serial,
// input, io-events, message-events, tcc-events, message-actions, output-flag-actions.

#include <optional>
#include <string>
#include <string_view>

#include "protocol/SendSelection.h"

namespace koru {

// The boxes named in `list` checked, all others clear. Blanks around names and empty pieces are
// ignored. On an unknown name returns nullopt and sets `unknown` to it.
std::optional<SendSelection::Boxes> ParseSendBoxes(std::string_view list, std::string* unknown = nullptr);

// Every box name, comma-separated, for help texts.
std::string SendBoxNameList();

}  // namespace koru
