#include "protocol/ActionTable.h"

namespace koru {

bool ActionTable::store(int slot, std::string_view entry) {
    if (slot < 0 || slot >= kSlotCount) return false;
    slots_[static_cast<std::size_t>(slot)] = std::string(entry);
    return true;
}

std::string ActionTable::find(std::string_view entry) const {
    for (int slot = 0; slot < kSearchedSlots; ++slot) {
        const auto& text = slots_[static_cast<std::size_t>(slot)];
        if (text && *text == entry) return std::to_string(slot);
    }
    return kNoAction;
}

void ActionTable::clear() {
    slots_.fill(std::nullopt);
}

}  // namespace koru
