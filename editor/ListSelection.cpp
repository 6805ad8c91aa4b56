#include "editor/ListSelection.h"

#include <QListWidget>

#include "platform/widgets/WidgetText.h"

namespace koru {

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

std::optional<std::string> SelectedEntry(const QListWidget* list) {
    const int row = SelectedRow(list);
    if (row < 0) return std::nullopt;
    return FromWidgetText(list->item(row)->text());
}

}  // namespace koru
