#include "editor/ControlSet.h"

namespace koru {

QString ObjectName(std::string_view control, int index) {
    QString name = QString::fromLatin1(control.data(), static_cast<qsizetype>(control.size()));
    if (index >= 0) name += QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
    return name;
}

void ControlSet::add(QWidget* widget, const QString& name) {
    Q_ASSERT_X(!controls_.contains(name), "ControlSet::add", qPrintable(name));
    widget->setObjectName(name);
    controls_.insert(name, widget);
}

}  // namespace koru
