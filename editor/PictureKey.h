#pragma once

// The name of a picture kept in Qt's picture cache: what is drawn (`kind` tells primitives, controls,
// complex controls, the pieces of large frames and mask cells apart) and everything the drawing depends on
// that `option` holds, packed as characters rather than formatted, since it is made for every piece painted.

#include <QString>

class QStyleOption;

namespace koru {

QString PictureKey(char16_t kind, int element, const QStyleOption* option, qreal ratio);

}  // namespace koru
