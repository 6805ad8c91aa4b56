#include "model/NetworkTexts.h"

namespace koru {

std::string Counted(std::size_t number, const char* one, const char* many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

std::string NetworkSummary(const NetworkMap& map) {
    return Counted(map.units().size(), "unit", "units") + ", " +
           Counted(static_cast<std::size_t>(map.problemCount()), "problem", "problems") + ", " +
           Counted(static_cast<std::size_t>(map.warningCount()), "warning", "warnings");
}

std::string AliasFixQuestion(std::size_t files) {
    return "Rewrite these entries in " + Counted(files, "unit file", "unit files") + "?";
}

std::string AliasFixSummary(const AliasFixOutcome& outcome) {
    return "Rewrote " + Counted(static_cast<std::size_t>(outcome.entriesRewritten), "entry", "entries") + " in " +
           Counted(static_cast<std::size_t>(outcome.filesWritten), "unit file", "unit files") + ".";
}

}  // namespace koru
