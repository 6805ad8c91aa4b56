#pragma once

// Lists of the model's texts as list boxes show them.

#include <QStringList>

#include <string>
#include <vector>

class QListWidget;

namespace koru {

// The texts as the widgets show them.
QStringList WidgetTexts(const std::vector<std::string>& items);

// Gives `list` exactly these items; false when it held them already (nothing changed).
bool SetListItems(QListWidget* list, const QStringList& items);

}  // namespace koru
