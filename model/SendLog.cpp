#include "model/SendLog.h"

#include <cstdint>
#include <cstdio>

namespace koru {

namespace {

constexpr std::size_t kColumns = 9;
constexpr std::string_view kGroupSeparator = " ";
constexpr std::string_view kOutcomeSeparator = "; ";
constexpr std::string_view kOutcomeMark = ": ";

// FNV-1a: cheap, and any cut or changed byte changes it.
std::string Check(std::string_view text) {
    std::uint32_t hash = 2166136261U;
    for (const char byte : text) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619U;
    }
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(hash));
    return digits;
}

// A CSV field: quoted when it holds a comma, a quote or a blank at either end. A line break would split
// the entry, so control characters become blanks (no unit text holds one).
std::string Field(std::string_view text) {
    std::string clean;
    bool quote = !text.empty() && (text.front() == ' ' || text.back() == ' ');
    for (const char byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == ',' || byte == '"') quote = true;
        if (byte == '"') clean += '"';
        clean += code < 0x20 || code == 0x7F ? ' ' : byte;
    }
    return quote ? "\"" + clean + "\"" : clean;
}

// The fields of a CSV line; nullopt when a quote is not closed or stray text follows one.
std::optional<std::vector<std::string>> Fields(std::string_view line) {
    std::vector<std::string> fields(1);
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ',') {
            fields.emplace_back();
            ++at;
        } else if (line[at] == '"' && fields.back().empty()) {
            for (++at;; ++at) {
                if (at >= line.size()) return std::nullopt;
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"') {
                        fields.back() += '"';
                        ++at;
                        continue;
                    }
                    ++at;
                    break;
                }
                fields.back() += line[at];
            }
            if (at < line.size() && line[at] != ',') return std::nullopt;
        } else {
            fields.back() += line[at++];
        }
    }
    return fields;
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    while (!text.empty()) {
        const std::size_t end = text.find(separator);
        if (end != 0) parts.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + separator.size());
    }
    return parts;
}

}  // namespace

std::string SendLogLine(const SendLogEntry& entry) {
    std::string groups;
    for (const std::string& group : entry.groups) {
        if (!groups.empty()) groups += kGroupSeparator;
        groups += group;
    }
    std::string outcomes;
    for (const GroupOutcome& outcome : entry.outcomes) {
        if (!outcomes.empty()) outcomes += kOutcomeSeparator;
        outcomes += outcome.group + std::string(kOutcomeMark) + outcome.outcome;
    }
    std::string line;
    for (const std::string* text : {&entry.time, &entry.unitId, &entry.alias, &entry.device,
                                    static_cast<const std::string*>(&groups), &entry.verdict,
                                    static_cast<const std::string*>(&outcomes), &entry.program}) {
        line += Field(*text) + ",";
    }
    return line + Check(line);
}

std::optional<SendLogEntry> ParseSendLogLine(std::string_view line) {
    const std::size_t lastComma = line.rfind(',');
    if (lastComma == std::string_view::npos || Check(line.substr(0, lastComma + 1)) != line.substr(lastComma + 1)) {
        return std::nullopt;
    }
    const auto fields = Fields(line);
    if (!fields || fields->size() != kColumns) return std::nullopt;
    SendLogEntry entry;
    entry.time = (*fields)[0];
    entry.unitId = (*fields)[1];
    entry.alias = (*fields)[2];
    entry.device = (*fields)[3];
    entry.groups = Split((*fields)[4], kGroupSeparator);
    entry.verdict = (*fields)[5];
    for (const std::string& part : Split((*fields)[6], kOutcomeSeparator)) {
        const std::size_t mark = part.find(kOutcomeMark);
        if (mark == std::string::npos) return std::nullopt;
        entry.outcomes.push_back({part.substr(0, mark), part.substr(mark + kOutcomeMark.size())});
    }
    entry.program = (*fields)[7];
    return entry;
}

SendLogContents ReadSendLog(std::string_view bytes) {
    SendLogContents contents;
    std::size_t number = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        // A last line without its line end was cut short: the next append ends it, and it stays damaged.
        const bool complete = end != std::string_view::npos;
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(complete ? end + 1 : bytes.size());
        if (line.ends_with('\r')) line.remove_suffix(1);
        ++number;
        if (number == 1) {
            if (line == kSendLogHeader) continue;
            contents.problem = line.starts_with("Time,Unit,") ? "it was written by a newer version of the program"
                                                               : "it is not a send log";
            return contents;
        }
        if (line.empty() && complete) continue;
        std::optional<SendLogEntry> entry = complete ? ParseSendLogLine(line) : std::nullopt;
        if (entry) {
            contents.entries.push_back(std::move(*entry));
        } else {
            contents.damagedLines.push_back(number);
        }
    }
    return contents;
}

}  // namespace koru
