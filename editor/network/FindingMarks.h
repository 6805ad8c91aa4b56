#pragma once

// How the network map marks a finding, in the tree and in the list alike: an icon and a colour per severity
// (problems red, warnings amber), and a word for reading software and tooltips, so the mark is never colour alone.

#include <QColor>
#include <QIcon>
#include <QString>

#include "model/NetworkFinding.h"

namespace koru {

QIcon SeverityIcon(FindingSeverity severity);
QColor SeverityColour(FindingSeverity severity);

// "Problem: TEXT" or "Warning: TEXT".
QString MarkedFindingText(const NetworkFinding& finding);

}  // namespace koru
