#include "editor/UnitEditing.h"

#include "editor/ActionListEditing.h"
#include "editor/MessageParameterEditing.h"
#include "editor/NetworkEditing.h"
#include "editor/UnitCommands.h"

namespace koru {

void AttachUnitEditing(MainWindow& window) {
    new ActionListEditing(window);
    new MessageParameterEditing(window);
    new NetworkEditing(window);
    new UnitCommands(window);
}

}  // namespace koru
