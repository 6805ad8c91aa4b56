#pragma once

// Builds the packet texts of one record encoder step by step. A step that fails is logged as
// "Error in <the record's log label>(): <description>" and leaves no trace in the text; the encoder goes on.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "protocol/RecordEncoders.h"
#include "protocol/RecordTable.h"
#include "protocol/StepFailure.h"

namespace koru {

class RecordWriter {
public:
    RecordWriter(Record record, const UnitConfiguration& config, EncodeContext& context);

    // Where the records appended from now on come from.
    void setOrigin(std::string section, std::string subsection = {});

    void append(std::string_view text) { text_ += text; }
    std::string& text() { return text_; }

    // Runs one step; on failure whatever it appended is removed and the failure logged.
    template <class Step>
    bool step(Step&& run) {
        const std::size_t mark = text_.size();
        try {
            std::forward<Step>(run)();
            return true;
        } catch (const StepFailure& failure) {
            text_.resize(mark);
            log(failure.what());
            return false;
        }
    }

    // A unit number; its message boxes and log entries join this encoder's steps.
    std::string hex(std::string_view text);

    void log(std::string_view description);
    void messageBox(std::string text, std::string title = {});

    // Hands the text to the packet sender (also when empty) and starts a new one.
    void handOver();
    // Hands the text over when it is longer than `limit` minus the session header's length.
    void handOverAbove(std::size_t limit);

    EncoderSteps take() { return std::move(steps_); }

private:
    void push(EncoderStep step);

    const RecordDescription& record_;
    const UnitConfiguration& config_;
    EncodeContext& context_;
    std::string text_;
    EncoderSteps steps_;
    StepOrigin origin_;
};

// A number in shortest decimal form; fails with "Overflow" when it is not finite.
std::string DecimalField(double value);

// "1" or "0".
inline const char* FlagField(bool flag) { return flag ? "1" : "0"; }

// Cuts `text` at every `separator`; an empty text gives no pieces at all.
std::vector<std::string_view> SplitPieces(std::string_view text, char separator);

// Piece `index` of a split text; fails with "Subscript out of range" when there is none.
std::string_view PieceAt(const std::vector<std::string_view>& pieces, std::size_t index);

}  // namespace koru
