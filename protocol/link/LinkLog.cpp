#include "protocol/link/LinkLog.h"

namespace koru {

LinkLog::LinkLog() : entries_{"debug output"} {}

void LinkLog::add(std::string entry) {
    if (entry.size() > kLongestEntry) {
        // A new string: the cut one would keep the whole length allocated.
        entry = entry.substr(0, kLongestEntry) + " [... " + std::to_string(entry.size() - kLongestEntry) +
                " more characters]";
    }
    entries_.push_front(std::move(entry));
    if (entries_.size() > kCapacity) entries_.pop_back();
    emit entryAdded(entries_.front());
}

void LinkLog::clear() {
    entries_.clear();
    emit cleared();
}

std::string LinkLog::text() const {
    std::string joined;
    for (const std::string& entry : entries_) joined += entry;
    return joined;
}

}  // namespace koru
