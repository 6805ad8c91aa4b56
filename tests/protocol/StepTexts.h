#pragma once

// Pulls the hand-overs, link-log entries and message boxes apart from an encoder's steps, and runs the
// encoder tables: an edit of a new configuration and the records it must give.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "protocol/EncoderStep.h"
#include "protocol/RecordTable.h"

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

using Edit = std::function<void(UnitConfiguration&)>;

struct RecordCase {
    const char* name;
    Edit edit;
    const char* records;
    std::vector<std::string> log = {};
};

// Encodes `record` for each row. With `firstItem` only the records of the group's first item count (the
// text up to "<record>:1:"), and they must start with it.
inline void ExpectRecords(Record record, const std::vector<RecordCase>& cases, const std::string& firstItem = {}) {
    for (const RecordCase& c : cases) {
        UnitConfiguration config;
        c.edit(config);
        EncodeContext context;
        const EncoderSteps steps = EncodeRecord(record, config, context);
        std::string all = AllRecords(steps);
        if (!firstItem.empty()) {
            EXPECT_EQ(all.rfind(firstItem, 0), 0u) << c.name;
            all = all.substr(0, all.find(std::to_string(RecordNumber(record)) + ":1:"));
        }
        EXPECT_EQ(all, c.records) << c.name;
        EXPECT_EQ(LogEntries(steps), c.log) << c.name;
    }
}

}  // namespace koru::test
