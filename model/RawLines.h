#pragma once

// The lines of a file's bytes as they stand, for readers that look at a few sections only and for rewrites that
// must keep every other byte: each line without its LF, counted from 1, cleaned only on request.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace koru {

class RawLines {
public:
    explicit RawLines(std::string_view bytes) : bytes_(bytes) {}

    // The next line without its LF (a CR before it stays); nullopt at the end.
    std::optional<std::string_view> next();
    // Passes over the lines that cannot be section headings, those that begin with anything but "-", a blank, a
    // TAB or a CR, without looking further into them; `number` counts them.
    void SkipPlainLines();
    // The number of the line `next` gave last.
    int number() const { return number_; }
    // Whether that line ended with an LF (only the last line of a file may not).
    bool ended() const { return ended_; }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    int number_ = 0;
    bool ended_ = false;
};

// The line as a load sees it, cleaned (LineCursor::ReadCleanLine).
std::string CleanedLine(std::string_view rawLine);

// The section name when the line is a section heading: it cleans to "-" and the name. Lines with anything but
// blanks, TABs and CRs before their first "-" are passed over without being cleaned.
std::optional<std::string> SectionHeadingOf(std::string_view rawLine);

}  // namespace koru
