#include "protocol/RecordWriter.h"

#include <cmath>

#include "protocol/NumberText.h"
#include "protocol/PacketRules.h"
#include "protocol/UnitNumber.h"

namespace koru {

RecordWriter::RecordWriter(Record record, const UnitConfiguration& config, EncodeContext& context)
    : record_(DescribeRecord(record)), config_(config), context_(context) {}

void RecordWriter::setOrigin(std::string section, std::string subsection) {
    if (!context_.origins) return;
    origin_ = {std::move(section), std::move(subsection)};
}

std::string RecordWriter::hex(std::string_view text) {
    UnitNumber number = UnitNumberHex(text, config_.network.upperUnit);
    for (EncoderStep& step : number.steps) push(std::move(step));
    return std::move(number.text);
}

void RecordWriter::log(std::string_view description) {
    std::string entry = "Error in ";
    entry += record_.logLabel;
    entry += "(): ";
    entry += description;
    if (record_.logLineBreak) entry += kLineEnd;
    push({EncoderStep::Kind::LinkLog, std::move(entry), {}});
}

void RecordWriter::messageBox(std::string text, std::string title) {
    push({EncoderStep::Kind::MessageBox, std::move(text), std::move(title)});
}

void RecordWriter::handOver() {
    push({EncoderStep::Kind::HandOver, std::move(text_), {}});
    text_.clear();
}

void RecordWriter::handOverAbove(std::size_t limit) {
    if (text_.size() > HandOverThreshold(limit, context_.headerLength)) handOver();
}

void RecordWriter::push(EncoderStep step) {
    steps_.push_back(std::move(step));
    if (context_.origins) context_.origins->push_back(origin_);
}

std::string DecimalField(double value) {
    if (!std::isfinite(value)) throw StepFailure(kOverflow);
    return ShortestDecimal(value);
}

std::vector<std::string_view> SplitPieces(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    if (text.empty()) return pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string_view PieceAt(const std::vector<std::string_view>& pieces, std::size_t index) {
    if (index >= pieces.size()) throw StepFailure(kSubscriptOutOfRange);
    return pieces[index];
}

}  // namespace koru
