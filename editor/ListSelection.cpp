#include "editor/ListSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include "platform/widgets/WidgetText.h"

namespace koru {

int SelectedRow(const QAbstractItemView* list) {
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

std::optional<std::string> SelectedEntry(const QAbstractItemView* list) {
    const int row = SelectedRow(list);
    if (row < 0) return std::nullopt;
    return FromWidgetText(list->model()->index(row, 0).data().toString());
}

}  // namespace koru
