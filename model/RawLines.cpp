#include "model/RawLines.h"

#include "model/FileSyntax.h"

namespace koru {

std::optional<std::string_view> RawLines::next() {
    if (position_ >= bytes_.size()) return std::nullopt;
    const std::size_t end = bytes_.find('\n', position_);
    ended_ = end != std::string_view::npos;
    const std::string_view line = bytes_.substr(position_, ended_ ? end - position_ : std::string_view::npos);
    position_ = ended_ ? end + 1 : bytes_.size();
    ++number_;
    return line;
}

void RawLines::SkipPlainLines() {
    while (position_ < bytes_.size()) {
        const char first = bytes_[position_];
        if (first == '-' || first == ' ' || first == '\t' || first == '\r') return;
        const std::size_t end = bytes_.find('\n', position_);
        ++number_;
        ended_ = end != std::string_view::npos;
        position_ = ended_ ? end + 1 : bytes_.size();
    }
}

std::string CleanedLine(std::string_view rawLine) {
    return LineCursor(rawLine).ReadCleanLine().value_or(std::string());
}

std::optional<std::string> SectionHeadingOf(std::string_view rawLine) {
    const std::size_t first = rawLine.find_first_not_of(" \t\r");
    if (first == std::string_view::npos || rawLine[first] != '-') return std::nullopt;
    std::string line = CleanedLine(rawLine);
    if (!line.starts_with('-')) return std::nullopt;
    return line.substr(1);
}

}  // namespace koru
