#include "model/FileSyntax.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace koru {

std::optional<std::string> LineCursor::ReadCleanLine() {
    if (position_ >= bytes_.size()) return std::nullopt;
    std::string line;
    while (position_ < bytes_.size()) {
        const char c = bytes_[position_++];
        if (c == '\n') break;
        if (c == '\r') continue;
        if (c == '\t' && !line.empty()) continue;
        line.push_back(c);
    }
    if (line.starts_with("/*") || line.starts_with('\'')) return std::string();
    return std::string(TrimBlanks(line));
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string KeyOf(std::string_view line) {
    return std::string(TrimBlanks(line.substr(0, line.find('='))));
}

std::string ValueOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return std::string(TrimBlanks(line.substr(equals + 1)));
}

const char* FlagText(bool flag) { return flag ? "1" : "0"; }

std::string JoinList(const TextList& list) {
    std::string joined;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) joined.push_back(',');
        joined.append(list[i]);
    }
    return joined;
}

void SplitList(std::string_view text, TextList& list) {
    list.clear();
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view piece = text.substr(0, comma);
        if (!piece.empty()) list.emplace_back(TrimBlanks(piece));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
}

namespace {

// A plain decimal number after trimming blanks: sign, digits with at most one ".", at least one digit,
// an optional exponent.
bool IsPlainNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t exponentStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        if (i == exponentStart) return false;
    }
    return i == text.size();
}

}  // namespace

std::optional<int> SubsectionNumberOf(std::string_view text) {
    const std::string trimmed(TrimBlanks(text));
    if (!IsPlainNumber(trimmed)) return std::nullopt;
    // from_chars reads "." whatever the process locale says, but takes no leading "+".
    const std::size_t start = trimmed[0] == '+' ? 1 : 0;
    double parsed = 0;
    const std::errc error = std::from_chars(trimmed.data() + start, trimmed.data() + trimmed.size(), parsed).ec;
    if (error != std::errc()) return INT_MAX;
    const double value = std::nearbyint(parsed);  // rounds half to even
    if (!(value > INT_MIN && value < INT_MAX)) return INT_MAX;
    return static_cast<int>(value);
}

}  // namespace koru
