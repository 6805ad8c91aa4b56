#pragma once

#include <filesystem>
#include <string>

#include "model/UnitConfiguration.h"

namespace koru::test {

// A unit with every setting away from its initial value and every list filled, as a technician's
// busiest unit would look (112 actions and 111 event-action pairs, the unit's limits): for round trips,
// sends, benchmarks and seed files.
UnitConfiguration FullUnit();

// The shipped base unit with the unit ID `id`, written to `folder` as "ID(Base).kuf"; returns the file's
// path. Sent whole it is 19 packets in 14 groups; records 1, 2, 15 and 3 are one packet each.
std::string WriteBaseUnit(const std::filesystem::path& folder, const std::string& id = "0000000042");

}  // namespace koru::test
