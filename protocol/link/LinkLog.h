#pragma once

// The link log: the diagnostics of the link, the sender and the session, newest first, as the settings
// dialog shows them. Entries carry their own line breaks. The oldest entries go once the log is full, and
// an entry longer than a screen of text is cut, so that a unit flooding the line costs little memory.

#include <QObject>

#include <cstddef>
#include <deque>
#include <string>

namespace koru {

class LinkLog : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t kCapacity = 2000;
    static constexpr std::size_t kLongestEntry = 1024;  // characters kept of an entry; the rest is counted

    LinkLog();

    void add(std::string entry);
    void clear();

    const std::deque<std::string>& entries() const { return entries_; }  // newest first
    // The entries joined, newest first: the text of the dialog's log box.
    std::string text() const;

signals:
    void entryAdded(const std::string& entry);
    void cleared();

private:
    std::deque<std::string> entries_;
};

}  // namespace koru
