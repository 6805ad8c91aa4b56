#pragma once

// The checks the editor runs on a field, by name. The rules themselves are plain functions in
// model/FieldChecks.h; the editor decides when they run (at every change, when the field is left, on a load).

namespace koru {

enum class FieldCheck {
    None,
    NumberOrEmpty,      // at every change: a text that is not a number empties the field
    Time,               // as NumberOrEmpty; when left: "0" unless a number, at most 4000, with "ms" a step of 100
    Count,              // as NumberOrEmpty; when left: "0" unless a number, at most 999999999
    Limit,              // when left: emptied unless a number
    Channel,            // at every change: "0" unless a number, at most 81
    TimerUnit,          // when left with "ms": the timer's time rounded to a step of 100, at most 4000
    RetransmissionMin,  // when left: "200" unless a number, at least 0, a step of 10, at most the maximum
    RetransmissionMax,  // when left: "600" unless a number, at most 2500, a step of 10, at least the minimum
    MaskCell,           // when left: "-" unless "-", "0", "1" or "T"; a double-click steps - 0 1 -
    ActionCell,         // no check; a double-click steps - 0 1 T -
};

}  // namespace koru
