#pragma once

// The editor's field checks as plain rules on texts: the window decides when they run (at every change,
// when a field is left, on a double-click, on a load), these functions decide what the field then holds.
// Texts are the model's bytes. A number is a text that, apart from leading and trailing blanks, is a decimal
// number with optional sign, fraction and exponent; the empty text is not a number. A value is compared with
// a bound after rounding it to a whole number, half to even; a number too large for any integer is simply
// above every bound.

#include <string>
#include <string_view>

#include "model/FieldCheck.h"

namespace koru {

// The check that runs at every change of a field's text: a time, count or ping time that is not a number is
// emptied; a channel that is not a number becomes "0", one above 81 becomes "81". Other checks leave the text.
std::string ChangeCheck(FieldCheck check, std::string_view text);

// Whether a check runs at every change of its field's text; whether it runs when the field is left; whether a
// double-click steps the field's cell.
bool HasChangeCheck(FieldCheck check);
bool HasLeaveCheck(FieldCheck check);
bool StepsOnDoubleClick(FieldCheck check);

// When a timer's time (or the set-time action's time) is left: "0" unless a number; above 4000 "4000"; then,
// with the unit "ms", rounded to a step of 100.
std::string LeaveTime(std::string_view time, std::string_view unit);

// When a timer's unit box is left: with "ms" the timer's time is rounded to a step of 100 and then held to
// 4000; otherwise, or when the time is not a number, the time stays. Returns the time's new text.
std::string LeaveTimerUnit(std::string_view time, std::string_view unit);

// When a counter is left: "0" unless a number; above 999999999 "999999999".
std::string LeaveCount(std::string_view count);

// When an input's limit, hysteresis, scale or offset is left: emptied unless a number.
std::string LeaveLimit(std::string_view text);

// When the retransmission minimum is left: "200" unless a number; below 0 "0"; rounded to a step of 10; then
// the maximum's text when the maximum is below it.
std::string LeaveRetransmissionMin(std::string_view minimum, std::string_view maximum);

// When the retransmission maximum is left: "600" unless a number; above 2500 "2500"; rounded to a step of
// 10; then the minimum's text when it is below the minimum.
std::string LeaveRetransmissionMax(std::string_view maximum, std::string_view minimum);

// When an I/O mask cell is left: "-" unless it is exactly "-", "0", "1" or "T".
std::string LeaveMaskCell(std::string_view cell);

// A double-click on a mask cell: "-" to "0", "0" to "1", anything else to "-".
std::string NextMaskCellValue(std::string_view cell);

// A double-click on an output and flag action cell: "-" to "0", "0" to "1", "1" to "T", anything else to "-".
std::string NextActionCellValue(std::string_view cell);

// `value` divided by `step`, rounded half to even, times `step`, as a whole number without a fraction.
std::string RoundedToStep(double value, double step);

// The radio frequency of a channel text: 433.05 MHz + 25 kHz per channel below 70, 439.7 MHz + 25 kHz per
// channel from 70, in plain decimal with up to 15 significant digits and " MHz" ("439.7 MHz").
std::string ChannelFrequencyText(std::string_view channel);

}  // namespace koru
