#pragma once

// Which record groups a send carries, and the fixed order in which they go out.

#include <array>

namespace koru {

// Record numbers in send order (there is no record 9).
inline constexpr std::array<int, 14> kSendOrder{1, 2, 15, 3, 4, 5, 6, 7, 8, 14, 10, 11, 12, 13};

struct SendSelection {
    std::array<bool, 16> records{};  // indexed by record number; index 0 and 9 are never used

    bool has(int record) const { return record > 0 && record < 16 && records[record]; }
    int count() const;  // selected groups: the range of the progress bar

    // The send dialog's visible boxes.
    struct Boxes {
        bool general = true, network = true, radio = true, serial = true, input = true;
        bool ioEvents = true, messageEvents = true, tccEvents = true;
        bool messageActions = true, outputFlagActions = true;
    };
    static SendSelection fromBoxes(const Boxes& boxes);
};

// Whether the session logs "Status: " + the session state after this group.
bool LogsStatusAfter(int record);

}  // namespace koru
