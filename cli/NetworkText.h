#pragma once

// The network map as korucfg prints it: a tree of unit entries with the findings below it, or a Graphviz graph.

#include <string>

#include "model/NetworkMap.h"

namespace koru::cli {

// Each unit as its entry, indented two blanks under its upper unit; then, after an empty line, one line per
// finding (warnings begin with "warning: "); last a count of units, problems and warnings. In the locale's
// encoding.
std::string NetworkTreeText(const NetworkMap& map);

// A Graphviz digraph: a node per unit, a dashed node per entry that names no unit, and one edge per link from
// the upper unit to the lower one. Units with problems, and links that not both ends state, that lead to no
// unit or that are part of a loop, are red, the link labelled with why. UTF-8, as Graphviz reads it.
std::string NetworkDotText(const NetworkMap& map);

}  // namespace koru::cli
