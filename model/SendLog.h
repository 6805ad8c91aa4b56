#pragma once

// The send log: one line per session, appended and never rewritten, in a CSV file a technician can open
// in a spreadsheet. The text is Windows-1252 like every file of the library, lines end with CR LF.
// Columns: Time, Unit, Alias, Device, Groups, Verdict, Outcomes, Program, Check. The check is a hash of
// the line before it, so a line that a killed program or a damaged disk left cut short is known as such.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace koru {

inline constexpr std::string_view kSendLogHeader = "Time,Unit,Alias,Device,Groups,Verdict,Outcomes,Program,Check";

// What became of one group of the send dialog.
struct GroupOutcome {
    std::string group;    // its name on the command line, e.g. "radio"
    std::string outcome;  // as the delivery report says it, e.g. "error report E12"

    bool operator==(const GroupOutcome&) const = default;
};

struct SendLogEntry {
    std::string time;                  // when the session ended, ISO 8601 with the zone
    std::string unitId;                // ten digits
    std::string alias;
    std::string device;
    std::vector<std::string> groups;   // the groups selected, by name
    std::string verdict;               // how the session ended, as the progress dialog said it
    std::vector<GroupOutcome> outcomes;
    std::string program;               // e.g. "korucfg 1.3"

    bool operator==(const SendLogEntry&) const = default;
};

// The entry as one line, without its line end.
std::string SendLogLine(const SendLogEntry& entry);

// The entry of one line (without its line end); nullopt when the line is damaged.
std::optional<SendLogEntry> ParseSendLogLine(std::string_view line);

struct SendLogContents {
    std::vector<SendLogEntry> entries;  // oldest first
    std::vector<std::size_t> damagedLines;  // 1-based numbers of the lines skipped
    std::optional<std::string> problem;     // why the file as a whole is no send log of this version
};

// Reads the bytes of a whole log file. A damaged line is skipped and noted, never the file discarded.
SendLogContents ReadSendLog(std::string_view bytes);

}  // namespace koru
