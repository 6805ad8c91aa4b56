#pragma once

// The checks of a library's radio network. Each adds the findings of its kinds, unit by unit in file order.

#include <vector>

#include "model/NetworkFinding.h"
#include "model/NetworkGraph.h"

namespace koru {

// A lower unit that names another upper unit or none (one finding per lower unit, naming its one lister), and an
// upper unit that does not list a unit naming it (when that unit is not listed by exactly one other unit, whose
// finding already tells the story).
void FindLinkProblems(const NetworkGraph& graph, std::vector<NetworkFinding>& findings);

// Upper and lower unit entries that name no unit of the library.
void FindUnknownEntries(const NetworkGraph& graph, std::vector<NetworkFinding>& findings);

// Units listed as lower unit by several units, or several times by one.
void FindLowerOfSeveral(const NetworkGraph& graph, std::vector<NetworkFinding>& findings);

// Loops of upper units, one finding per loop. Returns, per unit, whether it is part of a loop.
std::vector<bool> FindUpperLoops(const NetworkGraph& graph, std::vector<NetworkFinding>& findings);

// Unit files that hold the same ID, one finding per ID.
void FindDuplicateIds(const NetworkGraph& graph, std::vector<NetworkFinding>& findings);

// Ping entries that no longer name the upper unit, or the lower unit at their position.
void FindPingMismatches(const NetworkGraph& graph, std::vector<NetworkFinding>& findings);

// Entries that name a unit by its ID with another alias than the unit now has: one warning per holder, named
// unit and old entry, with the keys that hold it. Entries of an ID that several files hold are left out.
void FindOldAliases(const NetworkGraph& graph, std::vector<NetworkFinding>& findings);

}  // namespace koru
