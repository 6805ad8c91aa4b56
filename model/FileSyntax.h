#pragma once

// The line syntax shared by unit, default and parameter files: cleaning lines, splitting key lines,
// flags and comma-joined lists. Files are 8-bit text; nothing here interprets the bytes beyond that.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/TextRules.h"
#include "model/UnitConfiguration.h"

namespace koru {

// Reads lines one at a time from the bytes of a file.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}

    // The next cleaned line, or nullopt at the end. A last line without a line end is still returned.
    // Cleaning: the LF ends the line; every CR is dropped; a TAB is dropped unless it would be the first
    // character of the line; a line that then begins with "/*" or "'" is a comment and comes back empty;
    // otherwise leading and trailing blanks are removed.
    std::optional<std::string> ReadCleanLine();
    // The same line as a view: into the bytes where cleaning only trims the line, into `cleaned` where it
    // drops characters (`cleaned` is left empty otherwise).
    std::optional<std::string_view> ReadCleanLine(std::string& cleaned);

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

// The key of a key line: the text before the first "=", or the whole line; blanks trimmed.
std::string KeyOf(std::string_view line);
// The value of a key line: the text after the first "=" (later "=" belong to it), or empty; blanks trimmed.
std::string ValueOf(std::string_view line);
// The same, as views into `line`.
std::string_view KeyIn(std::string_view line);
std::string_view ValueIn(std::string_view line);

// "1" for a set flag, "0" otherwise.
const char* FlagText(bool flag);

// The items joined by ",". An empty item is written as one blank, and a "," goes before an empty first
// item and after an empty last one, so SplitList gives back every item: the count of a list survives a
// save and a load. An empty list gives the empty text.
std::string JoinList(const TextList& list);
// Replaces `list` with the pieces of `text` cut at ",": empty pieces are skipped, the others trimmed
// (a piece of blanks only becomes an empty item).
void SplitList(std::string_view text, TextList& list);

// A subsection number read from all characters after a heading's name: a valid number of the shared
// grammar, rounded half to even. nullopt when the text is not a number; numbers too large for an int
// come back as INT_MAX (outside every count).
std::optional<int> SubsectionNumberOf(std::string_view text);

// Collects written lines; every line ends with CR LF.
class LineWriter {
public:
    void line(std::string_view text) {
        out_.append(text);
        out_.append("\r\n");
    }
    void keyLine(std::string_view key, std::string_view value) {
        out_.append(key);
        out_.push_back('=');
        out_.append(value);
        out_.append("\r\n");
    }
    void blankLine() { out_.append("\r\n"); }
    std::string take() { return std::move(out_); }
    void reserve(std::size_t bytes) { out_.reserve(bytes); }

private:
    std::string out_;
};

}  // namespace koru
