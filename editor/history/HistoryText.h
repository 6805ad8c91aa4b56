#pragma once

// How the window words what the library's send history says about the open unit: its times, its groups,
// why a unit has no history, and the problems met reading it.

#include <QString>

#include <optional>
#include <string>

#include "model/UnitConfiguration.h"

namespace koru {

class SendHistory;

// "2026-12-07 06:30" for a time of the history ("2026-12-07T06:30:12+01:00"), in this computer's zone;
// with `seconds` "2026-12-07 06:30:12". A time that cannot be read is shown as it stands.
QString ShownTime(const std::string& isoTime, bool seconds = false);

// The send dialog's caption of the group a log names ("radio" is "Radio setup"); an unknown name as it is.
QString GroupCaption(const std::string& name);

// "0000000042(Pumpstation)", or the ID alone when the unit has no alias.
QString UnitLabel(const UnitConfiguration& config);

// The ten-digit ID under which the history keeps the open unit; nullopt, with `whyNone` set, when no unit
// is open or its ID is no unit number.
std::optional<std::string> HistoryIdOf(const UnitConfiguration& config, QString& whyNone);

// The problems `history` met and has not told yet, one to a line; empty when there were none.
QString ProblemsNote(SendHistory& history);

// Said wherever the window shows the history: it cannot know what was sent from elsewhere.
extern const QString kOnlyThisLibrary;

}  // namespace koru
