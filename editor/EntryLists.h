#pragma once

// List boxes that show lists of entries (Windows-1252 bytes): filling them and reading the selection.

#include "model/UnitConfiguration.h"

class QListWidget;

namespace koru {

// Replaces the items of `list` with `entries`, in order.
void ShowEntries(QListWidget* list, const TextList& entries);

// The position of the selected item; -1 when none is selected.
int SelectedRow(const QListWidget* list);

}  // namespace koru
