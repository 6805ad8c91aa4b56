#pragma once

// The numbers a send gives the unit's actions, looked up by entry text when the event-action pairs are
// built. Only the slots written in the current send count: a slot left from an earlier send never
// matches, so an event naming a deleted action is sent with the "no action" number.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace koru {

class ActionTable {
public:
    static constexpr int kSlotCount = 113;     // action numbers 0..112 can be stored
    static constexpr int kSearchedSlots = 112; // the lookup never reaches the last slot
    static constexpr const char* kNoAction = "255";

    // Stores the entry text of action number `slot`; false when the number has no slot.
    bool store(int slot, std::string_view entry);

    // The action number of `entry` as decimal text, or "255".
    std::string find(std::string_view entry) const;

    void clear();

private:
    std::array<std::optional<std::string>, kSlotCount> slots_{};
};

}  // namespace koru
