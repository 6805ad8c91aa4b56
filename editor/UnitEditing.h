#pragma once

// Everything that edits a unit in the main window beyond its fields: the action lists and their dialog,
// message text parameters, the network buttons, and the New, Delete, Export and About commands.

namespace koru {

class MainWindow;

// Connects and enables the window's buttons and adds the menu items; the parts live as long as the window.
// Attach after the "&Settings" menu is in place, so "&Help" comes last.
void AttachUnitEditing(MainWindow& window);

}  // namespace koru
