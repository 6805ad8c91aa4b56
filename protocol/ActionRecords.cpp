// Records 10, 11 and 12: the texts message actions send, the patterns of output/flag actions, and one
// definition per action. Record 12 also numbers the actions for the event-action pairs of record 13.

#include <optional>
#include <string>

#include "protocol/NumberText.h"
#include "protocol/RecordWriter.h"
#include "protocol/SendLimits.h"
#include "protocol/TimeCode.h"
#include "protocol/UnitNumber.h"

namespace koru {

namespace {

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

// What a definition in record 12 tells the unit to do.
enum class ActionKind {
    SetTimer = 1,
    StartTimer = 2,
    StopTimer = 3,
    RestartTimer = 4,
    SetCounter = 5,
    ResetCounter = 6,
    IncreaseCounter = 7,
    DecreaseCounter = 8,
    SetOutputs = 9,
    SendOutputs = 10,
    SendMessage = 11,
    Sleep = 12,
};

std::optional<ActionKind> TimerKind(std::string_view first) {
    if (first == "Timer") return ActionKind::SetTimer;
    if (first == "Start") return ActionKind::StartTimer;
    if (first == "Stop") return ActionKind::StopTimer;
    if (first == "Restart") return ActionKind::RestartTimer;
    return std::nullopt;
}

std::optional<ActionKind> CounterKind(std::string_view first) {
    if (first == "Counter") return ActionKind::SetCounter;
    if (first == "Reset") return ActionKind::ResetCounter;
    if (first == "Increase") return ActionKind::IncreaseCounter;
    if (first == "Decrease") return ActionKind::DecreaseCounter;
    return std::nullopt;
}

// Record 12's definitions, one per action: each action gets the next number, which the action table
// keeps for the event-action pairs of record 13.
class ActionDefinitions {
public:
    ActionDefinitions(RecordWriter& out, ActionTable& table, std::size_t total)
        : out_(out), table_(table), prefix_("12:" + std::to_string(total) + ":") {
        table_.clear();
    }

    RecordWriter& out() { return out_; }

    // "12:" total ":" number ":" kind ":"; a kind the entry does not name is sent as "internal error".
    void head(std::optional<ActionKind> kind) {
        out_.append(prefix_);
        out_.append(std::to_string(number_));
        out_.append(":");
        out_.append(kind ? std::to_string(static_cast<int>(*kind)) + ":" : std::string("internal error:"));
    }

    // The current number stands for `entry` from now on.
    void remember(const std::string& entry) {
        if (!table_.store(number_, entry)) out_.log(kSubscriptOutOfRange);
    }

    void next() {
        out_.handOverAbove(kHandOverLimit);
        ++number_;
    }

private:
    RecordWriter& out_;
    ActionTable& table_;
    std::string prefix_;
    int number_ = 0;
};

// "Send: Message m to d": destination and message index.
void DefineMessageActions(const UnitConfiguration& config, ActionDefinitions& defs) {
    RecordWriter& out = defs.out();
    for (const std::string& entry : config.messageActions.actions) {
        out.setOrigin("Message action", entry);
        const auto parts = SplitPieces(entry, ' ');
        defs.head(ActionKind::SendMessage);
        out.step([&] {
            const std::string_view message = PieceAt(parts, 2);
            const std::string_view destination = PieceAt(parts, 4);
            std::string fields = out.hex(FirstChars(destination, kUnitIdDigits));
            fields += ":" + Index3(LeadingNumber(message) - 1) + ";";
            out.append(fields);
        });
        defs.remember(entry);
        defs.next();
    }
}

// "Set: OOOO FFFFFFFF" or "Send: OOOO FFFFFFFF to d"; the index is the entry's number in record 11.
void DefineOutputFlagActions(const UnitConfiguration& config, ActionDefinitions& defs) {
    RecordWriter& out = defs.out();
    for (std::size_t k = 0; k < config.outputFlagActions.size(); ++k) {
        const std::string& entry = config.outputFlagActions[k];
        out.setOrigin("Output Flag action", entry);
        defs.remember(entry);
        const auto parts = SplitPieces(entry, ' ');
        const bool send = !parts.empty() && parts[0].substr(0, 4) == "Send";
        defs.head(send ? ActionKind::SendOutputs : ActionKind::SetOutputs);
        out.step([&] {
            std::string fields = send ? out.hex(FirstChars(PieceAt(parts, 4), kUnitIdDigits)) : std::string();
            fields += ":" + Index3(static_cast<double>(k)) + ";";
            out.append(fields);
        });
        defs.next();
    }
}

// "Timer t = time unit", "Start timer t", "Stop timer t", "Restart timer t".
void DefineTimerActions(const UnitConfiguration& config, ActionDefinitions& defs) {
    RecordWriter& out = defs.out();
    for (const std::string& entry : config.timerActions) {
        out.setOrigin("Timer action", entry);
        defs.remember(entry);
        const auto parts = SplitPieces(entry, ' ');
        const std::string_view first = parts.empty() ? std::string_view() : parts[0];
        const std::optional<ActionKind> kind = TimerKind(first);
        defs.head(kind);
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
            std::string fields = kind == ActionKind::SetTimer ? "0000" + TimeCode(time, unit) : std::string();
            fields += ":" + Index3(LeadingNumber(timer) - 1) + ";";
            out.append(fields);
        });
        defs.next();
    }
}

// "Counter c = value", "Reset Counter c", "Increase Counter c with step", "Decrease Counter c with step".
void DefineCounterActions(const UnitConfiguration& config, ActionDefinitions& defs) {
    RecordWriter& out = defs.out();
    for (const std::string& entry : config.counterActions) {
        out.setOrigin("Counter action", entry);
        defs.remember(entry);
        const auto parts = SplitPieces(entry, ' ');
        const std::string_view first = parts.empty() ? std::string_view() : parts[0];
        const std::optional<ActionKind> kind = CounterKind(first);
        defs.head(kind);
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
            const bool carriesAmount = kind == ActionKind::SetCounter || kind == ActionKind::IncreaseCounter ||
                                       kind == ActionKind::DecreaseCounter;
            std::string fields = carriesAmount ? out.hex(amount) : std::string();
            fields += ":" + Index3(LeadingNumber(counter) - 1) + ";";
            out.append(fields);
        });
        defs.next();
    }
}

}  // namespace

EncoderSteps EncodeSentMessages(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::SentMessages, config, context);
    for (int j = 0; j < kMessageCount; ++j) {
        const MessageText& message = config.messageActions.messages[static_cast<std::size_t>(j)];
        out.setOrigin("Message action", "+Message" + std::to_string(j + 1));
        out.append("10:" + std::to_string(j) + ":");
        out.append(message.type == "Alarm" ? "A" : "N");
        out.append(":\"");
        out.append(FirstChars(message.text, kSentMessageChars));
        out.append("\";");
        out.handOverAbove(kQuotedHandOverLimit);
    }
    out.handOver();
    return out.take();
}

EncoderSteps EncodeOutputFlagPatterns(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::OutputFlagPatterns, config, context);
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
        out.handOverAbove(kHandOverLimit);
    }
    out.handOver();
    return out.take();
}

EncoderSteps EncodeActions(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::Actions, config, context);
    const bool sleepAction = config.input.sleepOn;
    const std::size_t total = config.messageActions.actions.size() + config.outputFlagActions.size() +
                              config.timerActions.size() + config.counterActions.size() + (sleepAction ? 1 : 0);
    ActionDefinitions defs(out, context.actionTable, total);
    DefineMessageActions(config, defs);
    out.handOver();
    DefineOutputFlagActions(config, defs);
    out.handOver();
    DefineTimerActions(config, defs);
    out.handOver();
    DefineCounterActions(config, defs);
    if (sleepAction) {
        out.setOrigin("Input", "+Sleep");
        defs.remember("Sleep mode");
        defs.head(ActionKind::Sleep);
        out.append("00000000:2;");
    }
    out.handOver();
    return out.take();
}

}  // namespace koru
