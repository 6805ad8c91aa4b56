#pragma once

// What a technician wants to know before sending: every place where the unit would receive something
// other than what the editor shows, each with the section and subsection it concerns.

#include <string>
#include <vector>

#include "model/UnitConfiguration.h"

namespace koru {

struct CheckFinding {
    std::string section;
    std::string subsection;  // may be empty
    std::string message;

    bool operator==(const CheckFinding&) const = default;
};

// Findings in the order a send meets them: an ID that is no unit number, the send's own log entries and
// message boxes (with packets over the line limit), then event entries without an action, then settings
// outside the editor's rules.
std::vector<CheckFinding> CheckUnit(const UnitConfiguration& config);

// "Section, subsection: message" (or "Section: message").
std::string DescribeFinding(const CheckFinding& finding);

}  // namespace koru
