#pragma once

// The sentences about a library's network that korucfg prints and the window shows alike. UTF-8.

#include <cstddef>
#include <string>

#include "model/AliasFixes.h"
#include "model/NetworkMap.h"

namespace koru {

// "1 unit", "2 units".
std::string Counted(std::size_t number, const char* one, const char* many);

// "11 units, 4 problems, 1 warning".
std::string NetworkSummary(const NetworkMap& map);

// "Rewrite these entries in 2 unit files?"
std::string AliasFixQuestion(std::size_t files);

// "Rewrote 3 entries in 2 unit files."
std::string AliasFixSummary(const AliasFixOutcome& outcome);

}  // namespace koru
