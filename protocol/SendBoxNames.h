#pragma once

// The send dialog's visible boxes: their names on the command line (general, network, radio, serial,
// input, io-events, message-events, tcc-events, message-actions, output-flag-actions), their captions
// and the records each one sends.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/SendSelection.h"

namespace koru {

struct SendBox {
    const char* name;     // on the command line
    const char* caption;  // as the send dialog shows it
    bool SendSelection::Boxes::*checked;
    std::vector<Record> records;  // in send order; records 12 and 13 go with either action box
};

// Every visible box, in the dialog's order.
const std::vector<SendBox>& SendBoxTable();

// The boxes named in `list` checked, all others clear. Blanks around names and empty pieces are
// ignored. On an unknown name returns nullopt and sets `unknown` to it.
std::optional<SendSelection::Boxes> ParseSendBoxes(std::string_view list, std::string* unknown = nullptr);

// Every box name, comma-separated, for help texts.
std::string SendBoxNameList();

}  // namespace koru
