#include "model/UnitSendState.h"

#include <charconv>
#include <cstdio>

namespace koru {

namespace {

constexpr std::string_view kFormat = "KORU send state ";
constexpr int kVersion = 1;
constexpr std::string_view kEnd = "-End";

// A stored text on one line: "%", CR, LF and the other control characters as "%" and two hex digits.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '%' || code < 0x20 || code == 0x7F) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", code);
            out += hex;
        } else {
            out += byte;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            out += text[at];
            continue;
        }
        unsigned code = 0;
        if (at + 2 >= text.size()) return std::nullopt;
        const auto [end, error] = std::from_chars(text.data() + at + 1, text.data() + at + 3, code, 16);
        if (error != std::errc() || end != text.data() + at + 3) return std::nullopt;
        out += static_cast<char>(code);
        at += 2;
    }
    return out;
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// Reads the lines of a state text one after the other; every read names what it expected.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return text_.empty(); }
    std::size_t number() const { return number_; }

    std::optional<std::string_view> next() {
        if (text_.empty()) return std::nullopt;
        const std::size_t end = text_.find('\n');
        std::string_view line = text_.substr(0, end);
        text_.remove_prefix(end == std::string_view::npos ? text_.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        ++number_;
        return line;
    }

    // The value of the next line, which must be "KEY=value".
    std::optional<std::string> value(std::string_view key) {
        const auto line = next();
        if (!line || !line->starts_with(key) || line->size() <= key.size() || (*line)[key.size()] != '=') {
            return std::nullopt;
        }
        return Unescaped(line->substr(key.size() + 1));
    }

private:
    std::string_view text_;
    std::size_t number_ = 0;
};

bool ReadRecord(LineReader& lines, RecordState& record) {
    auto acknowledged = lines.value("Acknowledged");
    if (!acknowledged) return false;
    record.acknowledged = !acknowledged->empty();
    record.acknowledgedAt = *acknowledged;
    const auto unitFile = lines.value("Unit file");
    const auto count = lines.value("Packets");
    if (!unitFile || !count || !Number(*unitFile) || !Number(*count)) return false;
    record.unitFile = *Number(*unitFile);
    for (int i = 0; i < *Number(*count); ++i) {
        auto packet = lines.value("Packet");
        if (!packet) return false;
        record.packets.push_back(std::move(*packet));
    }
    auto unconfirmed = lines.value("Unconfirmed");
    if (!unconfirmed) return false;
    record.unconfirmed = std::move(*unconfirmed);
    return true;
}

bool ReadUnitFile(LineReader& lines, UnitFileCopy& copy) {
    auto time = lines.value("Time");
    const auto count = lines.value("Lines");
    if (!time || !count || !Number(*count)) return false;
    copy.time = std::move(*time);
    for (int i = 0; i < *Number(*count); ++i) {
        const auto line = lines.next();
        if (!line || !line->starts_with('|')) return false;
        const auto text = Unescaped(line->substr(1));
        if (!text) return false;
        copy.text += *text + "\r\n";
    }
    return true;
}

std::string Line(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + Escaped(value) + "\r\n";
}

}  // namespace

const UnitFileCopy* UnitSendState::newestUnitFile() const {
    int newest = 0;
    for (const auto& [number, record] : records) {
        if (record.acknowledged && record.unitFile > newest) newest = record.unitFile;
    }
    const auto found = unitFiles.find(newest);
    return found == unitFiles.end() ? nullptr : &found->second;
}

int UnitSendState::keepUnitFile(const std::string& time, const std::string& text) {
    const int key = unitFiles.empty() ? 1 : unitFiles.rbegin()->first + 1;
    unitFiles[key] = UnitFileCopy{time, text};
    return key;
}

void UnitSendState::dropUnusedUnitFiles() {
    std::erase_if(unitFiles, [this](const auto& copy) {
        for (const auto& [number, record] : records) {
            if (record.acknowledged && record.unitFile == copy.first) return false;
        }
        return true;
    });
}

std::string UnitSendStateText(const UnitSendState& state) {
    std::string text = std::string(kFormat) + std::to_string(kVersion) + "\r\n" + Line("Unit", state.unitId);
    for (const auto& [number, record] : state.records) {
        text += "-Record " + std::to_string(number) + "\r\n";
        text += Line("Acknowledged", record.acknowledged ? record.acknowledgedAt : std::string());
        text += Line("Unit file", std::to_string(record.unitFile));
        text += Line("Packets", std::to_string(record.packets.size()));
        for (const std::string& packet : record.packets) text += Line("Packet", packet);
        text += Line("Unconfirmed", record.unconfirmed);
    }
    for (const auto& [key, copy] : state.unitFiles) {
        text += "-Unit file " + std::to_string(key) + "\r\n" + Line("Time", copy.time);
        std::vector<std::string_view> lines;
        std::string_view rest = copy.text;
        while (!rest.empty()) {
            const std::size_t end = rest.find("\r\n");
            lines.push_back(rest.substr(0, end));
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 2);
        }
        text += Line("Lines", std::to_string(lines.size()));
        for (const std::string_view line : lines) text += "|" + Escaped(line) + "\r\n";
    }
    return text + std::string(kEnd) + "\r\n";
}

UnitSendStateRead ParseUnitSendState(std::string_view text) {
    LineReader lines(text);
    const auto first = lines.next();
    if (!first || !first->starts_with(kFormat)) return {std::nullopt, "it is not a send state file"};
    const auto version = Number(first->substr(kFormat.size()));
    if (!version) return {std::nullopt, "line 1: no format version"};
    if (*version > kVersion) return {std::nullopt, "it was written by a newer version of the program"};
    UnitSendState state;
    const auto unitId = lines.value("Unit");
    if (!unitId) return {std::nullopt, "line 2: no unit"};
    state.unitId = *unitId;
    while (true) {
        const auto heading = lines.next();
        if (!heading) return {std::nullopt, "it ends early, after line " + std::to_string(lines.number())};
        if (*heading == kEnd) break;
        bool read = false;
        // Each record and each copy stands once.
        if (heading->starts_with("-Record ")) {
            const auto number = Number(heading->substr(8));
            read = number && !state.records.contains(*number) && ReadRecord(lines, state.records[*number]);
        } else if (heading->starts_with("-Unit file ")) {
            const auto key = Number(heading->substr(11));
            read = key && !state.unitFiles.contains(*key) && ReadUnitFile(lines, state.unitFiles[*key]);
        }
        if (!read) {
            const std::string line = std::to_string(lines.number());
            return {std::nullopt, lines.atEnd() ? "it ends early, after line " + line : "line " + line + " is damaged"};
        }
    }
    if (!lines.atEnd()) return {std::nullopt, "line " + std::to_string(lines.number() + 1) + ": text after the end"};
    return {std::move(state), {}};
}

}  // namespace koru
