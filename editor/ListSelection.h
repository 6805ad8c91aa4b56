#pragma once

// What the user selected in a list box of entries (Windows-1252 bytes).

#include <optional>
#include <string>

class QAbstractItemView;

namespace koru {

// The position of the selected item; -1 when none is selected.
int SelectedRow(const QAbstractItemView* list);

// The selected item as bytes; nullopt when none is selected.
std::optional<std::string> SelectedEntry(const QAbstractItemView* list);

}  // namespace koru
