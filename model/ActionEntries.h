#pragma once

// Action entries: the description texts that name an action. The text is the action's only identity (an
// event's list holds copies of it, the action records parse it and match event entries to defined actions
// by equal text), so these builders fix its exact wording. An entry is built from the fields of the action
// tabs as they stand; a missing required field gives no entry.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/UnitConfiguration.h"

namespace koru {

// The fixed entry an event's list may hold while the unit has a sleep mode.
inline constexpr std::string_view kSleepModeAction = "Sleep mode";

inline constexpr int kOutputFlagCells = kMaskOutputCells + kMaskFlagCells;

// True when some entry of `list` is exactly `text` (case and blanks count).
bool ListContains(std::string_view text, const TextList& list);

// Appends `entry` unless `list` holds it already; true when it was appended.
bool AppendUnique(TextList& list, std::string_view entry);

// Removes the entry at `position`; false when there is none (no selection is -1).
bool RemoveEntryAt(TextList& list, int position);

// "Send: Message " n " to " destination; nothing without a destination.
std::optional<std::string> MessageActionEntry(std::string_view number, std::string_view destination);

// "Set: " cells for a local action (destination "-" or none), "Send: " cells " to " destination otherwise.
// The cells are the four outputs, one blank, the eight flags.
std::string OutputFlagActionEntry(const std::array<Text, kOutputFlagCells>& cells,
                                  std::string_view destination);

// The rows of the timer frame, in the order of their create buttons.
enum class TimerActionRow { SetTime, Restart, Start, Stop };

// The timer frame's fields: the timer number of each row, and the set-time row's value and unit.
struct TimerActionFields {
    std::array<Text, 4> timer{"1", "1", "1", "1"};
    Text time;
    Text unit = "ms";
};

// "Timer n = t unit", "Restart timer n", "Start timer n", "Stop timer n"; the set-time row needs a time.
std::optional<std::string> TimerActionEntry(TimerActionRow row, const TimerActionFields& fields);

// The rows of the counter frame, in the order of their create buttons.
enum class CounterActionRow { SetLimit, Reset, Increase, Decrease };

// The counter frame's fields: the counter number of each row and the values of the rows that take one.
struct CounterActionFields {
    std::array<Text, 4> counter{"1", "1", "1", "1"};
    Text limit;     // txtCountAction
    Text increase;  // txtIncCount
    Text decrease;  // txtDecCount
};

// "Counter n = v", "Reset Counter n", "Increase Counter n with v", "Decrease Counter n with v"; the rows
// with a value need it.
std::optional<std::string> CounterActionEntry(CounterActionRow row, const CounterActionFields& fields);

// What the action dialog offers: the defined message, output and flag, timer and counter actions, each in
// its order, then "Sleep mode" while sleep mode is enabled.
TextList OfferedActions(const UnitConfiguration& config);

}  // namespace koru
