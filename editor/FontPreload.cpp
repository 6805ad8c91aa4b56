#include "editor/FontPreload.h"

#include <QFontDatabase>
#include <QStringList>

namespace koru {

FontPreload::FontPreload() : reader_([] { QFontDatabase::families(); }) {}

FontPreload::~FontPreload() = default;

}  // namespace koru
