#include "model/TimeUnits.h"

#include <algorithm>

namespace koru {

std::span<const std::string_view> TimeUnitNames() {
    static const std::array<std::string_view, kTimeUnits.size()> names = [] {
        std::array<std::string_view, kTimeUnits.size()> all;
        std::transform(kTimeUnits.begin(), kTimeUnits.end(), all.begin(), [](const TimeUnit& unit) { return unit.name; });
        return all;
    }();
    return names;
}

const TimeUnit* FindTimeUnit(std::string_view name) {
    const auto found = std::find_if(kTimeUnits.begin(), kTimeUnits.end(),
                                    [name](const TimeUnit& unit) { return unit.name == name; });
    return found == kTimeUnits.end() ? nullptr : &*found;
}

}  // namespace koru
