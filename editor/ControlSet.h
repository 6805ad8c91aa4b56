#pragma once

// The window's controls by name ("txtAlias", "txtInputA(5)"), as the tabs make them; the binder, the rules
// and the checks find their controls here instead of searching the widget tree.

#include <QHash>
#include <QString>
#include <QWidget>

#include <string_view>

namespace koru {

// "txtTime(2)", or "lblId" for a single control (index -1).
QString ObjectName(std::string_view control, int index);

class ControlSet {
public:
    // Gives `widget` its object name and remembers it; each name is registered once.
    void add(QWidget* widget, const QString& name);

    QWidget* find(const QString& name) const { return controls_.value(name); }
    QWidget* find(std::string_view control, int index) const { return find(ObjectName(control, index)); }

    template <class T>
    T* get(const QString& name) const {
        return qobject_cast<T*>(find(name));
    }
    template <class T>
    T* get(std::string_view control, int index) const {
        return qobject_cast<T*>(find(control, index));
    }

    const QHash<QString, QWidget*>& all() const { return controls_; }

private:
    QHash<QString, QWidget*> controls_;
};

}  // namespace koru
