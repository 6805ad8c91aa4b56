#include "editor/ListItems.h"

#include <QListWidget>

#include "platform/widgets/WidgetText.h"

namespace koru {

QStringList WidgetTexts(const std::vector<std::string>& items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) texts.append(ToWidgetText(item));
    return texts;
}

bool SetListItems(QListWidget* list, const QStringList& items) {
    bool same = list->count() == items.size();
    for (int row = 0; same && row < list->count(); ++row) same = list->item(row)->text() == items[row];
    if (same) return false;
    list->clear();
    list->addItems(items);
    return true;
}

}  // namespace koru
