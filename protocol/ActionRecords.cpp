// Records 10, 11 and 12: the texts message actions send, the patterns of output/flag actions, and one
// definition per action. Record 12 also numbers the actions for the event-action pairs of record 13.

#include <string>

#include "protocol/NumberText.h"
#include "protocol/RecordWriter.h"
#include "protocol/TimeCode.h"
#include "protocol/UnitNumber.h"

namespace koru {

namespace {

constexpr std::size_t kPacketLimit = 100;
constexpr std::size_t kQuotedPacketLimit = 95;
constexpr std::size_t kMessageTextChars = 30;
constexpr std::size_t kUnitNumberChars = 10;
constexpr std::size_t kIndexWidth = 3;

// An action cell's two bits: "0" is 10, "1" is 11, "T" (toggle) 01, anything else 00.
unsigned ActionCellCode(char cell) {
    switch (cell) {
        case '0': return 2;
        case '1': return 3;
        case 'T': return 1;
        default: return 0;
    }
}

// Eight cells from `from` of the pattern, first cell in the two most significant bits; cells past the
// end of the pattern count as "-".
std::string PatternField(std::string_view pattern, std::size_t from) {
    std::uint32_t bits = 0;
    for (std::size_t k = from; k < from + 8; ++k) {
        bits = (bits << 2) | (k < pattern.size() ? ActionCellCode(pattern[k]) : 0);
    }
    return HexDigits(bits, 4);
}

// A decimal number as the unit's three-digit index.
std::string Index3(double value) {
    return PadKeepLast(DecimalField(value), kIndexWidth);
}

std::string TimerKind(std::string_view first) {
    if (first == "Timer") return "1:";
    if (first == "Start") return "2:";
    if (first == "Stop") return "3:";
    if (first == "Restart") return "4:";
    return "internal error:";
}

std::string CounterKind(std::string_view first) {
    if (first == "Counter") return "5:";
    if (first == "Reset") return "6:";
    if (first == "Increase") return "7:";
    if (first == "Decrease") return "8:";
    return "internal error:";
}

}  // namespace

EncoderSteps set_param10(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out("set_param10", config, context);
    for (int j = 0; j < kMessageCount; ++j) {
        const MessageText& message = config.messageActions.messages[static_cast<std::size_t>(j)];
        out.setOrigin("Message action", "+Message" + std::to_string(j + 1));
        out.append("10:" + std::to_string(j) + ":");
        out.append(message.type == "Alarm" ? "A" : "N");
        out.append(":\"");
        out.append(FirstChars(message.text, kMessageTextChars));
        out.append("\";");
        out.handOverAbove(kQuotedPacketLimit);
    }
    out.handOver();
    return out.take();
}

EncoderSteps set_param11(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out("set_param11", config, context);
    for (std::size_t k = 0; k < config.outputFlagActions.size(); ++k) {
        const std::string& entry = config.outputFlagActions[k];
        out.setOrigin("Output Flag action", entry);
        out.append("11:" + std::to_string(k) + ":");
        // "Set: OOOO FFFFFFFF" or "Send: OOOO FFFFFFFF to D": the outputs fill the upper byte of the
        // first field, the flags the second field. An entry without both parts sends no pattern, but the
        // record is still closed so the next one is not run into it.
        out.step([&] {
            const auto parts = SplitPieces(entry, ' ');
            const std::string pattern = std::string(PieceAt(parts, 1)) + "----" + std::string(PieceAt(parts, 2));
            out.append(PatternField(pattern, 0) + ":" + PatternField(pattern, 8));
        });
        out.append(";");
        out.handOverAbove(kPacketLimit);
    }
    out.handOver();
    return out.take();
}

EncoderSteps set_param12(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out("set_param12", config, context);
    ActionTable& table = context.actionTable;
    table.clear();
    const bool sleepAction = config.input.sleepOn;
    const std::size_t total = config.messageActions.actions.size() + config.outputFlagActions.size() +
                              config.timerActions.size() + config.counterActions.size() + (sleepAction ? 1 : 0);
    const std::string prefix = "12:" + std::to_string(total) + ":";
    int number = 0;

    auto store = [&](const std::string& entry) {
        if (!table.store(number, entry)) out.log(kSubscriptOutOfRange);
    };
    auto head = [&](std::string_view kind) {
        out.append(prefix);
        out.append(std::to_string(number));
        out.append(":");
        out.append(kind);
    };

    // "Send: Message m to d"
    for (const std::string& entry : config.messageActions.actions) {
        out.setOrigin("Message action", entry);
        const auto parts = SplitPieces(entry, ' ');
        head("11:");
        out.step([&] {
            const std::string_view message = PieceAt(parts, 2);
            const std::string_view destination = PieceAt(parts, 4);
            std::string fields = out.hex(FirstChars(destination, kUnitNumberChars));
            fields += ":" + Index3(LeadingNumber(message) - 1) + ";";
            out.append(fields);
        });
        store(entry);
        out.handOverAbove(kPacketLimit);
        ++number;
    }
    out.handOver();

    // "Set: OOOO FFFFFFFF" (9) or "Send: OOOO FFFFFFFF to d" (10); the index is the record 11 number.
    for (std::size_t k = 0; k < config.outputFlagActions.size(); ++k) {
        const std::string& entry = config.outputFlagActions[k];
        out.setOrigin("Output Flag action", entry);
        store(entry);
        const auto parts = SplitPieces(entry, ' ');
        const bool send = !parts.empty() && parts[0].substr(0, 4) == "Send";
        head(send ? "10:" : "9:");
        out.step([&] {
            std::string fields = send ? out.hex(FirstChars(PieceAt(parts, 4), kUnitNumberChars)) : std::string();
            fields += ":" + Index3(static_cast<double>(k)) + ";";
            out.append(fields);
        });
        out.handOverAbove(kPacketLimit);
        ++number;
    }
    out.handOver();

    // "Timer t = time unit", "Start timer t", "Stop timer t", "Restart timer t"
    for (const std::string& entry : config.timerActions) {
        out.setOrigin("Timer action", entry);
        store(entry);
        const auto parts = SplitPieces(entry, ' ');
        const std::string_view first = parts.empty() ? std::string_view() : parts[0];
        const std::string kind = TimerKind(first);
        head(kind);
        out.step([&] {
            if (parts.size() >= 5 && first != "Timer") {
                // Not a form the editor makes: sent without parameter and index.
                out.append(":;");
                return;
            }
            std::string_view timer, time, unit;
            if (parts.size() < 5) {
                timer = PieceAt(parts, 2);
            } else {
                timer = parts[1];
                time = parts[3];
                unit = parts[4];
            }
            std::string fields = kind == "1:" ? "0000" + encode_time(time, unit) : std::string();
            fields += ":" + Index3(LeadingNumber(timer) - 1) + ";";
            out.append(fields);
        });
        out.handOverAbove(kPacketLimit);
        ++number;
    }
    out.handOver();

    // "Counter c = value", "Reset Counter c", "Increase Counter c with step", "Decrease Counter c with step"
    for (const std::string& entry : config.counterActions) {
        out.setOrigin("Counter action", entry);
        store(entry);
        const auto parts = SplitPieces(entry, ' ');
        const std::string_view first = parts.empty() ? std::string_view() : parts[0];
        const std::string kind = CounterKind(first);
        head(kind);
        out.step([&] {
            std::string_view counter, amount;
            if (parts.size() < 4) {
                counter = PieceAt(parts, 2);
            } else if (first == "Counter") {
                counter = parts[1];
                amount = parts[3];
            } else {
                counter = parts[2];
                amount = PieceAt(parts, 4);
            }
            const bool carriesAmount = kind == "5:" || kind == "7:" || kind == "8:";
            std::string fields = carriesAmount ? out.hex(amount) : std::string();
            fields += ":" + Index3(LeadingNumber(counter) - 1) + ";";
            out.append(fields);
        });
        out.handOverAbove(kPacketLimit);
        ++number;
    }

    if (sleepAction) {
        out.setOrigin("Input", "+Sleep");
        store("Sleep mode");
        head("12:");
        out.append("00000000:2;");
    }
    out.handOver();
    return out.take();
}

}  // namespace koru
