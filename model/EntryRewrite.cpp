#include "model/EntryRewrite.h"

#include "model/FileSyntax.h"
#include "model/NetworkGraph.h"
#include "model/RawLines.h"
#include "model/TextRules.h"
#include "model/UnitFile.h"
#include "model/Windows1252.h"

namespace koru {

namespace {

// How a key of the Network section holds entries.
enum class Holds { Nothing, Entry, Entries, Ping, Pings };

Holds holdsOf(std::string_view key) {
    if (key == "Upper unit") return Holds::Entry;
    if (key == "Lower units") return Holds::Entries;
    if (key == "Upper ping") return Holds::Ping;
    if (key == "Lower ping") return Holds::Pings;
    return Holds::Nothing;
}

// The rename whose old entry is `entry`; null when there is none.
const EntryRename* renameOf(std::string_view entry, const std::vector<EntryRename>& renames) {
    for (const EntryRename& rename : renames) {
        if (!entry.empty() && entry == rename.oldEntry) return &rename;
    }
    return nullptr;
}

// Replaces the entry a piece of a value holds (for a ping entry, the unit after its choice) when it is an old one.
// The piece is compared as a load reads it: trimmed.
bool rewritePiece(std::string& piece, bool ping, const std::vector<EntryRename>& renames) {
    const std::string_view trimmed = TrimBlanks(piece);
    std::string_view entry = trimmed;
    if (ping) {
        const std::optional<std::string_view> pinged = PingEntryUnit(trimmed);
        if (!pinged) return false;
        entry = *pinged;
    }
    const EntryRename* rename = renameOf(entry, renames);
    if (rename == nullptr) return false;
    piece.replace(static_cast<std::size_t>(entry.data() - piece.data()), entry.size(), rename->newEntry);
    return true;
}

// One line of the Network section with its entries rewritten; the line as it was when it holds none.
std::string rewriteLine(std::string_view raw, const std::vector<EntryRename>& renames, int& rewritten) {
    const std::string cleaned = CleanedLine(raw);
    const Holds holds = holdsOf(KeyOf(cleaned));
    const std::size_t equals = raw.find('=');
    if (holds == Holds::Nothing || ValueOf(cleaned) == "-" || equals == std::string_view::npos) return std::string(raw);
    // The value runs to the end of the line, before the CR of a CR LF line end.
    std::string_view value = raw.substr(equals + 1);
    const bool carriageReturn = value.ends_with('\r');
    if (carriageReturn) value.remove_suffix(1);
    const bool ping = holds == Holds::Ping || holds == Holds::Pings;
    const bool list = holds == Holds::Entries || holds == Holds::Pings;
    std::string rebuilt(raw.substr(0, equals + 1));
    while (true) {
        const std::size_t comma = list ? value.find(',') : std::string_view::npos;
        std::string piece(value.substr(0, comma));
        if (rewritePiece(piece, ping, renames)) ++rewritten;
        rebuilt += piece;
        if (comma == std::string_view::npos) break;
        rebuilt += ',';
        value.remove_prefix(comma + 1);
    }
    if (carriageReturn) rebuilt += '\r';
    return rebuilt;
}

}  // namespace

std::string RewriteNetworkEntries(std::string_view bytes, const std::vector<EntryRename>& renames, int& rewritten) {
    rewritten = 0;
    std::string out;
    out.reserve(bytes.size() + 256);
    std::vector<EntryRename> written = renames;
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        out += kUtf8ByteOrderMark;
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
        for (EntryRename& rename : written) {
            rename.oldEntry = Windows1252ToUtf8(rename.oldEntry);
            rename.newEntry = Windows1252ToUtf8(rename.newEntry);
        }
    }
    RawLines lines(bytes);
    bool inNetwork = false;
    while (const std::optional<std::string_view> raw = lines.next()) {
        if (const std::optional<std::string> heading = SectionHeadingOf(*raw)) {
            inNetwork = *heading == "Network";
            out += *raw;
        } else if (inNetwork) {
            out += rewriteLine(*raw, written, rewritten);
        } else {
            out += *raw;
        }
        if (lines.ended()) out += '\n';
    }
    return out;
}

int RenameNetworkEntries(NetworkSetup& network, const std::vector<EntryRename>& renames) {
    int renamed = 0;
    const auto renameEntry = [&](std::string& entry) {
        if (const EntryRename* rename = renameOf(entry, renames)) {
            entry = rename->newEntry;
            ++renamed;
        }
    };
    const auto renamePing = [&](std::string& ping) {
        const std::optional<std::string_view> unit = PingEntryUnit(ping);
        const EntryRename* rename = unit ? renameOf(*unit, renames) : nullptr;
        if (rename == nullptr) return;
        ping.replace(static_cast<std::size_t>(unit->data() - ping.data()), unit->size(), rename->newEntry);
        ++renamed;
    };
    renameEntry(network.upperUnit);
    for (std::string& entry : network.lowerUnits) renameEntry(entry);
    renamePing(network.upperPing);
    for (std::string& ping : network.lowerPing) renamePing(ping);
    return renamed;
}

}  // namespace koru
