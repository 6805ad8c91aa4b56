// Records 5, 6, 7, 8 and 14: inputs, I/O masks, received-message texts, timers and counters.

#include <string>

#include "protocol/NumberText.h"
#include "protocol/RecordWriter.h"
#include "protocol/ScaleCode.h"
#include "protocol/SendLimits.h"
#include "protocol/TimeCode.h"
#include "protocol/UnitNumber.h"

namespace koru {

namespace {

struct VoltageBounds {
    double min = 0;
    double max = 0;
};

VoltageBounds BoundsOf(const InputSection& input) {
    switch (input.voltageRange) {
        case VoltageRange::Base: return {0, 2.5};
        case VoltageRange::StarterKit: return {0, 29.63};  // the starter kit's divider tops out here
        case VoltageRange::User: return {LeadingNumber(input.userMinVolt), LeadingNumber(input.userMaxVolt)};
        case VoltageRange::None: break;
    }
    return {};
}

std::string PerMille(double value) {
    const auto converted = ToInt16(value);
    if (!converted) throw StepFailure(kOverflow);
    return std::to_string(*converted);
}

// A level in engineering units as per mille of the input range, through scale and offset.
std::string AnaloguePerMille(double level, double offset, double scale, VoltageBounds bounds) {
    if (scale == 0 || bounds.max - bounds.min == 0) throw StepFailure(kDivisionByZero);
    return PerMille(((level - offset) / scale - bounds.min) / (bounds.max - bounds.min) * 1000 + 0.5);
}

std::string DigitalPerMille(double level, VoltageBounds bounds) {
    if (bounds.max - bounds.min == 0) throw StepFailure(kDivisionByZero);
    return PerMille((level - bounds.min) / (bounds.max - bounds.min) * 1000);
}

// A mask cell's two bits: "0" is 10, "1" is 11, anything else 00.
unsigned MaskCellCode(std::string_view cell) {
    if (cell == "0") return 2;
    if (cell == "1") return 3;
    return 0;
}

template <std::size_t N>
std::uint32_t PackCells(const std::array<Text, N>& cells) {
    std::uint32_t bits = 0;
    for (const Text& cell : cells) bits = (bits << 2) | MaskCellCode(cell);
    return bits;
}

const char* SourceCode(const MessageEvent& message) {
    if (message.fromRadio && message.fromSerial) return "B";
    if (message.fromRadio) return "R";
    return "S";
}

}  // namespace

EncoderSteps EncodeInputs(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::Inputs, config, context);
    const VoltageBounds bounds = BoundsOf(config.input);
    for (int i = 0; i < kInputCount; ++i) {
        const InputSetup& input = config.input.inputs[static_cast<std::size_t>(i)];
        out.setOrigin("Input", "+Input" + std::to_string(i + 1));
        const std::string head = "5:" + std::to_string(i) + ":";
        if (!input.on) {
            out.append(head + "0:0:0:0:0:0:0:0:0;");
        } else if (input.type == InputType::Digital) {
            out.append(head + "1:D:");
            out.step([&] { out.append(DigitalPerMille(LeadingNumber(input.lowerLimit), bounds) + ":"); });
            out.step([&] { out.append(DigitalPerMille(LeadingNumber(input.upperLimit), bounds) + ":"); });
            out.append("9999:9999:::;");
        } else {
            const double scale = LeadingNumber(input.scale);
            const double offset = LeadingNumber(input.offset);
            out.append(head + "1:A:");
            if (scale == 0 && bounds.max == bounds.min) {
                out.append("0:0:0:0:0:0:0;");
            } else {
                const double lower = LeadingNumber(input.lowerLimit);
                const double lowerHalf = LeadingNumber(input.lowerHysteresis) / 2;
                const double upper = LeadingNumber(input.upperLimit);
                const double upperHalf = RoundHalfEven(LeadingNumber(input.upperHysteresis)) / 2;
                for (double level : {lower - lowerHalf, lower + lowerHalf, upper - upperHalf, upper + upperHalf}) {
                    out.step([&] { out.append(AnaloguePerMille(level, offset, scale, bounds) + ":"); });
                }
                // A negative scaled range has no power of ten: the scale fields stay empty.
                if (!out.step([&] { out.append(ScaleCode(input.scale, input.offset, bounds.min, bounds.max) + ";"); })) {
                    out.append("::;");
                }
            }
        }
        out.handOverAbove(kHandOverLimit);
    }
    out.handOver();
    return out.take();
}

EncoderSteps EncodeIoMasks(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::IoMasks, config, context);
    for (int m = 0; m < kMaskCount; ++m) {
        const IoMask& mask = config.ioEvents.masks[static_cast<std::size_t>(m)];
        out.setOrigin("I/O event", "+Mask" + std::to_string(m + 1));
        out.append("6:" + std::to_string(m) + ":");
        if (mask.on) {
            out.append("1:");
            out.append(HexDigits(PackCells(mask.inputA) << 4, 4));
            out.append(":");
            out.append(HexDigits(PackCells(mask.inputB) << 4, 4));
            out.append(":");
            out.append(HexDigits(PackCells(mask.outputs), 2));
            out.append(":");
            out.append(HexDigits(PackCells(mask.flags), 4));
            out.append(";");
        } else {
            out.append("0:;");
        }
        out.handOverAbove(kHandOverLimit);
    }
    out.handOver();
    return out.take();
}

EncoderSteps EncodeReceivedMessages(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::ReceivedMessages, config, context);
    for (int j = 0; j < kMessageCount; ++j) {
        const MessageEvent& message = config.messageEvents.messages[static_cast<std::size_t>(j)];
        out.setOrigin("Message event", "+Message" + std::to_string(j + 1));
        out.append("7:" + std::to_string(j) + ":");
        out.append(FlagField(message.on));
        out.append(":");
        out.append(SourceCode(message));
        out.append(":\"");
        // An active event never goes out with an empty text: it is sent as a single blank.
        out.append(message.on && message.text.empty() ? std::string_view(" ") : std::string_view(message.text));
        out.append("\";");
        out.handOverAbove(kQuotedHandOverLimit);
    }
    out.handOver();
    return out.take();
}

EncoderSteps EncodeTimers(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::Timers, config, context);
    for (int t = 0; t < kTimerCount; ++t) {
        const auto index = static_cast<std::size_t>(t);
        out.setOrigin("Timer", "+Timer" + std::to_string(t + 1));
        out.append("8:" + std::to_string(t) + ":");
        out.append(FlagField(config.timerEvents[index].on));
        out.append(":");
        const TimerSetup& timer = config.timers[index];
        out.step([&] { out.append(TimeCode(timer.time, timer.unit) + ";"); });
    }
    out.handOver();
    return out.take();
}

EncoderSteps EncodeCounters(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::Counters, config, context);
    for (int c = 0; c < kCounterCount; ++c) {
        const auto index = static_cast<std::size_t>(c);
        out.setOrigin("Counter", "+Counter" + std::to_string(c + 1));
        out.append("14:" + std::to_string(c) + ":");
        out.append(FlagField(config.counterEvents[index].on));
        out.append(":");
        const bool converted = out.step([&] {
            const auto value = ValidNumber(config.counters[index].counter);
            if (!value) throw StepFailure(kTypeMismatch);
            const auto count = ToInt32(*value);
            if (!count) throw StepFailure(kOverflow);
            out.append(HexDigits(static_cast<std::uint32_t>(*count), 8) + ";");
        });
        // A count that cannot be converted is sent empty, so the record stays closed.
        if (!converted) out.append(";");
    }
    out.handOver();
    return out.take();
}

}  // namespace koru
