#pragma once

#include "model/UnitConfiguration.h"

namespace koru::test {

// A unit generated from the setting catalog with a value in every setting, different for every seed:
// Windows-1252 bytes, texts longer than their typing limits, drop-down values outside their lists, every
// option group in each of its states ("nothing selected" included), lists of several entries, mask cells of
// every kind. Numbers are numbers and channels at most 81, so the window's change checks keep every value.
UnitConfiguration GeneratedUnit(int seed);

// The largest unit a technician could make: every setting used, every list long, every text long.
UnitConfiguration MaximalUnit(int seed);

}  // namespace koru::test
