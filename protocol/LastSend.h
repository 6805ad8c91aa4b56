#pragma once

// What the send log says about one unit: its sessions, and how the last one went, for the window's send
// dialog ("last sent ..., 10 of 10 groups acknowledged") and its history view.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/SendLog.h"

namespace koru {

// The entries of the unit with the ten-digit `unitId`, oldest first.
std::vector<SendLogEntry> EntriesOf(const SendLogContents& log, std::string_view unitId);

struct LastSend {
    std::string time;     // when the unit's newest session ended
    std::string verdict;  // how it ended
    int acknowledged = 0;  // its groups that went through (acknowledged, or nothing to send)
    int selected = 0;      // its groups

    bool operator==(const LastSend&) const = default;
};

// One session as the summary above.
LastSend SummaryOf(const SendLogEntry& entry);

// The unit's newest session; nullopt when the log has none.
std::optional<LastSend> LastSendOf(const SendLogContents& log, std::string_view unitId);

// "last sent 2026-12-07T06:30:12+01:00, 10 of 10 groups acknowledged".
std::string DescribeLastSend(const LastSend& last);

}  // namespace koru
