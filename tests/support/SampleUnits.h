#pragma once

#include "model/UnitConfiguration.h"

namespace koru::test {

// A unit with every setting away from its initial value and every list filled, as a technician's
// busiest unit would look (112 actions and 111 event-action pairs, the unit's limits): for round trips,
// sends, benchmarks and seed files.
UnitConfiguration FullUnit();

}  // namespace koru::test
