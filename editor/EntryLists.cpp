#include "editor/EntryLists.h"

#include <QListWidget>

#include "platform/widgets/WidgetText.h"

namespace koru {

void ShowEntries(QListWidget* list, const TextList& entries) {
    list->clear();
    for (const std::string& entry : entries) list->addItem(ToWidgetText(entry));
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

}  // namespace koru
