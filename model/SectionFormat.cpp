#include "model/SectionFormat.h"

namespace koru {

ReadFailure SubsectionIndex::selectByLastCharacter(std::string_view heading) {
    const char last = heading.empty() ? '\0' : heading.back();
    if (last < '0' || last > '9') {
        return "the subsection heading \"" + std::string(heading) + "\" does not end with a number";
    }
    select(last - '0');
    return std::nullopt;
}

ReadFailure SubsectionIndex::selectByRest(std::string_view heading, std::size_t nameLength) {
    const std::optional<int> number = SubsectionNumberOf(heading.substr(nameLength));
    if (!number) return "the subsection heading \"" + std::string(heading) + "\" has no number";
    select(*number);
    return std::nullopt;
}

ReadFailure SubsectionIndex::outOfRange(std::string_view what, std::size_t count) const {
    return "subsection " + std::string(what) + " " + std::to_string(*index_ + 1) + " is outside 1 to " +
           std::to_string(count);
}

}  // namespace koru
