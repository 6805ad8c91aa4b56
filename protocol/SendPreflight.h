#pragma once

// Whether a unit can be sent as it stands. A send starts only when the unit's ID is a unit number and
// every record it carries can be written as the editor shows it: no field that fails to encode, no unit
// number that does not fit, no packet over the line limit, no quoted text holding a character the record
// cannot carry. The command line and the window both ask
// here before they open a session.

#include <vector>

#include "model/UnitConfiguration.h"
#include "protocol/SendSelection.h"
#include "protocol/UnitCheck.h"

namespace koru {

// Something a send meets on its way: a reason it cannot start, or what it would log or show.
struct SendFinding {
    CheckFinding finding;
    bool blocking = false;  // the unit would receive a record other than the one shown, or a wrong unit
};

// Replays a send of the selected groups and reports, in order, the ID, the characters each group's quoted
// texts cannot carry, every log entry and message box of the encoders and every packet over the line limit.
std::vector<SendFinding> ReplaySend(const UnitConfiguration& config, const SendSelection& selection);

// Every reason the selected groups cannot be sent as they stand; empty when the send may start.
std::vector<CheckFinding> SendPreflight(const UnitConfiguration& config,
                                        const SendSelection& selection = SendSelection::Of(SendGroups::All()));

// Whether `id` is a unit number: decimal digits only, from 0 to 4294967295.
bool IsUnitId(std::string_view id);

}  // namespace koru
