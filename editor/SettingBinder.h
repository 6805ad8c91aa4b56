#pragma once

// Binds every setting of the catalog to its field, one generic binding per kind of field, and is the one door
// through which the user's edits enter the configuration.
//
// Showing: the configuration's value goes into the field (at start-up and after a load) the way the user
// would put it there, so the fields' own signals raise the same rules and checks; what the program shows never
// goes back into the configuration, except a field check's correction of it.
// Editing: a value the user types, picks or clicks into a field, a field check's correction, and a command's
// change (edit()) each enter the configuration as changes of settings with their values before and after, and
// edited() reports them: the place an undo history listens.

#include <QHash>
#include <QObject>

#include <functional>
#include <vector>

#include "editor/FieldFactory.h"
#include "model/SettingChanges.h"
#include "model/UnitConfiguration.h"

class QButtonGroup;
class QWidget;

namespace koru {

class SettingBinder : public QObject {
    Q_OBJECT

public:
    SettingBinder(UnitConfiguration& config, const std::vector<BoundField>& fields, QObject* parent);

    // Model to every field.
    void showAll();

    // A command's change: `change` edits a copy of the configuration and says whether it did anything; every
    // setting it changed enters the configuration and its fields show it. Returns whether a setting changed.
    bool edit(const std::function<bool(UnitConfiguration&)>& change);

    // The field that shows the changed item (for an option group, the option its new value selects); null
    // when the window has none.
    QWidget* fieldOf(const SettingChange& change) const;

signals:
    // Settings entered the configuration, each with its value before and after.
    void edited(const std::vector<koru::SettingChange>& changes);
    // A label or list was given a new value by the program (the only way these change).
    void programSet(QWidget* control);

private:
    void bind(const BoundField& field);
    void take(const BoundField& field);
    void commit(const std::vector<SettingChange>& changes);
    void showField(const BoundField& field);
    void showChanged(const SettingChange& change);
    QButtonGroup* groupOf(const BoundField& field);

    UnitConfiguration& config_;
    std::vector<BoundField> fields_;
    QHash<QPair<const OptionGroup*, int>, QButtonGroup*> groups_;
    bool showing_ = false;  // the program is putting values into fields: their signals are not the user's
};

}  // namespace koru
