#include "model/FileSyntax.h"

#include <algorithm>
#include <climits>

namespace koru {

std::optional<std::string_view> LineCursor::ReadCleanLine(std::string& cleaned) {
    cleaned.clear();
    if (position_ >= bytes_.size()) return std::nullopt;
    const std::size_t end = std::min(bytes_.find('\n', position_), bytes_.size());
    std::string_view line = bytes_.substr(position_, end - position_);
    position_ = end + 1;
    // Most lines hold neither CR nor TAB once the CR of their CR LF end is gone: they are only trimmed.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find('\r') != std::string_view::npos || line.find('\t') != std::string_view::npos) {
        cleaned.reserve(line.size());
        for (const char c : line) {
            if (c == '\r') continue;
            if (c == '\t' && !cleaned.empty()) continue;
            cleaned.push_back(c);
        }
        line = cleaned;
    }
    if (line.starts_with("/*") || line.starts_with('\'')) return std::string_view();
    return TrimBlanks(line);
}

std::optional<std::string> LineCursor::ReadCleanLine() {
    std::string cleaned;
    const std::optional<std::string_view> line = ReadCleanLine(cleaned);
    if (!line) return std::nullopt;
    return std::string(*line);
}

std::string_view KeyIn(std::string_view line) { return TrimBlanks(line.substr(0, line.find('='))); }

std::string_view ValueIn(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return TrimBlanks(line.substr(equals + 1));
}

std::string KeyOf(std::string_view line) { return std::string(KeyIn(line)); }

std::string ValueOf(std::string_view line) { return std::string(ValueIn(line)); }

const char* FlagText(bool flag) { return flag ? "1" : "0"; }

std::string JoinList(const TextList& list) {
    if (list.empty()) return {};
    // A written value loses its outer blanks and empty pieces when read, so an empty item needs a blank
    // and, at either end, a comma beyond it.
    TextList written = list;
    for (std::string& item : written) {
        if (item.empty()) item = " ";
    }
    std::string joined = JoinTexts(written, ",");
    if (list.front().empty()) joined.insert(0, ",");
    if (list.back().empty()) joined.push_back(',');
    return joined;
}

void SplitList(std::string_view text, TextList& list) {
    // The list's own strings are written over, keeping their memory: a unit opened over another has lists
    // much like the last one's.
    std::size_t count = 0;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view piece = text.substr(0, comma);
        if (!piece.empty()) {
            if (count < list.size()) {
                list[count].assign(TrimBlanks(piece));
            } else {
                list.emplace_back(TrimBlanks(piece));
            }
            ++count;
        }
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    list.resize(count);
}

std::optional<int> SubsectionNumberOf(std::string_view text) {
    const std::optional<double> number = ValidNumber(text);
    if (!number) return std::nullopt;
    const double value = RoundHalfEven(*number);
    if (!(value > INT_MIN && value < INT_MAX)) return INT_MAX;
    return static_cast<int>(value);
}

}  // namespace koru
