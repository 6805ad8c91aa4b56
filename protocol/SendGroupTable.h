#pragma once

// The send dialog's groups, described once: their names on the command line (general, network, radio,
// serial, input, io-events, message-events, tcc-events, message-actions, output-flag-actions), their captions,
// the dialog frame and check box that show them. Which records a group sends is the record table's column.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/SendSelection.h"

namespace koru {

// The send dialog's three frames.
enum class GroupKind { Setup, Events, Actions };

struct SendGroupDescription {
    SendGroup group;
    const char* name;     // on the command line
    const char* caption;  // as the send dialog shows it
    GroupKind kind;
    const char* control;  // the send dialog's check box
};

// Every group, in the dialog's order.
std::span<const SendGroupDescription> SendGroupTable();

// The group of that command-line name; nullptr for none.
const SendGroupDescription* FindSendGroup(std::string_view name);

// The records `group` sends, in send order.
std::vector<Record> RecordsOf(SendGroup group);

// The groups named in `list` ticked, all others clear. Blanks around names and empty pieces are ignored. On
// an unknown name returns nullopt and sets `unknown` to it.
std::optional<SendGroups> ParseSendGroups(std::string_view list, std::string* unknown = nullptr);

// Every group name, comma-separated, for help texts.
std::string SendGroupNameList();

}  // namespace koru
