#pragma once

// Pulls the hand-overs, link-log entries and message boxes apart from an encoder's steps.

#include <string>
#include <vector>

#include "protocol/EncoderStep.h"

namespace koru::test {

inline std::vector<std::string> TextsOf(const EncoderSteps& steps, EncoderStep::Kind kind) {
    std::vector<std::string> texts;
    for (const EncoderStep& step : steps) {
        if (step.kind == kind) texts.push_back(step.text);
    }
    return texts;
}

inline std::vector<std::string> HandOvers(const EncoderSteps& steps) {
    return TextsOf(steps, EncoderStep::Kind::HandOver);
}

inline std::vector<std::string> LogEntries(const EncoderSteps& steps) {
    return TextsOf(steps, EncoderStep::Kind::LinkLog);
}

inline std::vector<std::string> MessageBoxes(const EncoderSteps& steps) {
    return TextsOf(steps, EncoderStep::Kind::MessageBox);
}

// Every hand-over joined, for encoders that send their records in one text.
inline std::string AllRecords(const EncoderSteps& steps) {
    std::string joined;
    for (const std::string& text : HandOvers(steps)) joined += text;
    return joined;
}

}  // namespace koru::test
