#pragma once

// Wall-clock times for what the program records about its own work: ISO 8601 with the zone, so a log
// read in another zone or after a change to summer time still says when.

#include <ctime>
#include <string>

namespace koru {

// "2026-12-07T06:30:12+01:00": `when` in the computer's local time, to the second, with its offset.
std::string IsoLocalTime(std::time_t when);

// The same for now.
std::string IsoLocalTimeNow();

// "20261207-063012": a time for file names (no ":", which some file systems refuse).
std::string FileNameTime(std::time_t when);

}  // namespace koru
