#pragma once

#include "model/UnitConfiguration.h"

namespace koru::test {

// A unit with every setting away from its initial value and every list filled, as a technician's
// busiest unit would look: for round trips, benchmarks and seed files.
UnitConfiguration FullUnit();

}  // namespace koru::test
