#include "model/ActionEntries.h"

#include <algorithm>

namespace koru {

namespace {

std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) text.append(piece);
    return text;
}

}  // namespace

bool ListContains(std::string_view text, const TextList& list) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

bool AppendUnique(TextList& list, std::string_view entry) {
    if (ListContains(entry, list)) return false;
    list.emplace_back(entry);
    return true;
}

bool RemoveEntryAt(TextList& list, int position) {
    if (position < 0 || position >= static_cast<int>(list.size())) return false;
    list.erase(list.begin() + position);
    return true;
}

std::optional<std::string> MessageActionEntry(std::string_view number, std::string_view destination) {
    if (destination.empty()) return std::nullopt;
    return Joined({"Send: Message ", number, " to ", destination});
}

std::string OutputFlagActionEntry(const std::array<Text, kOutputFlagCells>& cells,
                                  std::string_view destination) {
    std::string pattern;
    for (int cell = 0; cell < kOutputFlagCells; ++cell) {
        if (cell == kMaskOutputCells) pattern += ' ';
        pattern += cells[cell];
    }
    if (destination.empty() || destination == "-") return "Set: " + pattern;
    return Joined({"Send: ", pattern, " to ", destination});
}

std::optional<std::string> TimerActionEntry(TimerActionRow row, const TimerActionFields& fields) {
    const std::string_view timer = fields.timer[static_cast<int>(row)];
    switch (row) {
        case TimerActionRow::SetTime:
            if (fields.time.empty()) return std::nullopt;
            return Joined({"Timer ", timer, " = ", fields.time, " ", fields.unit});
        case TimerActionRow::Restart:
            return Joined({"Restart timer ", timer});
        case TimerActionRow::Start:
            return Joined({"Start timer ", timer});
        case TimerActionRow::Stop:
            return Joined({"Stop timer ", timer});
    }
    return std::nullopt;
}

std::optional<std::string> CounterActionEntry(CounterActionRow row, const CounterActionFields& fields) {
    const std::string_view counter = fields.counter[static_cast<int>(row)];
    switch (row) {
        case CounterActionRow::SetLimit:
            if (fields.limit.empty()) return std::nullopt;
            return Joined({"Counter ", counter, " = ", fields.limit});
        case CounterActionRow::Reset:
            return Joined({"Reset Counter ", counter});
        case CounterActionRow::Increase:
            if (fields.increase.empty()) return std::nullopt;
            return Joined({"Increase Counter ", counter, " with ", fields.increase});
        case CounterActionRow::Decrease:
            if (fields.decrease.empty()) return std::nullopt;
            return Joined({"Decrease Counter ", counter, " with ", fields.decrease});
    }
    return std::nullopt;
}

TextList OfferedActions(const UnitConfiguration& config) {
    TextList offered;
    for (const TextList* defined : {&config.messageActions.actions, &config.outputFlagActions,
                                    &config.timerActions, &config.counterActions}) {
        offered.insert(offered.end(), defined->begin(), defined->end());
    }
    if (config.input.sleepOn) offered.emplace_back(kSleepModeAction);
    return offered;
}

}  // namespace koru
