#pragma once

// What a record encoder does, in order: packet texts it hands to the packet sender, entries it puts in
// front of the link log, and message boxes the user must see. The encoders are pure functions of the
// configuration; the planner and the live send session replay these steps.

#include <string>
#include <vector>

namespace koru {

struct EncoderStep {
    enum class Kind { HandOver, LinkLog, MessageBox };
    Kind kind = Kind::HandOver;
    std::string text;   // packet text (records, no header, no line end), log entry, or message text
    std::string title;  // message box title; empty means the program's default title

    bool operator==(const EncoderStep&) const = default;
};

using EncoderSteps = std::vector<EncoderStep>;

}  // namespace koru
