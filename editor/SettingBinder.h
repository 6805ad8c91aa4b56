#pragma once

// Binds the settings of the catalog to their fields, one generic binding per kind of field, and is the one
// door through which the user's edits enter the configuration. A tab's fields are bound when its page is
// built; the configuration holds every setting whether its field exists or not.
//
// Showing: the configuration's value goes into the field (at start-up, after a load, when a page is built)
// the way the user would put it there, so the fields' own signals raise the same rules and checks; what the
// program shows never goes back into the configuration. The cells and action lists of an event row that is
// off get their values when the row is turned on. The change checks' corrections (a time that is no
// number emptied, a channel held to 81) are made in the configuration itself, for every setting with or
// without a field, before its fields show it.
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
class QEvent;
class QWidget;

namespace koru {

class SettingBinder : public QObject {
    Q_OBJECT

public:
    SettingBinder(UnitConfiguration& config, QObject* parent);

    // Binds the fields of a page just built and shows the configuration in them.
    void addFields(const std::vector<BoundField>& fields);

    // The configuration changed as a whole: the change checks correct it, then every field shows it.
    void showAll();

    // A command's change: `change` edits a copy of the configuration and says whether it did anything; every
    // setting it changed enters the configuration and its fields show it. Returns whether a setting changed.
    bool edit(const std::function<bool(UnitConfiguration&)>& change);

    // The field that shows the changed item (for an option group, the option its new value selects); null
    // when the window has none.
    QWidget* fieldOf(const SettingChange& change) const;

    // Marks `row` as an event row that a switch shows and hides: while it is off, its cells and action lists
    // show their values only when it is turned on again. Nothing else reads them, and a user cannot reach them.
    static void LetWaitWhileOff(QWidget* row);

signals:
    // Settings entered the configuration, each with its value before and after.
    void edited(const std::vector<koru::SettingChange>& changes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(const BoundField& field);
    void take(const BoundField& field);
    void commit(const std::vector<SettingChange>& changes);
    void showField(const BoundField& field);
    bool holdUntilRowShows(const BoundField& field);
    void showChanged(const SettingChange& change);
    void correct(const Setting& setting, int index);
    QButtonGroup* groupOf(const BoundField& field);

    UnitConfiguration& config_;
    std::vector<BoundField> fields_;
    QHash<QPair<const OptionGroup*, int>, QButtonGroup*> groups_;
    bool showing_ = false;  // the program is putting values into fields: their signals are not the user's
    // The cells and action lists of event rows that are off, by row: they show their values when their row
    // is turned on. Opening a unit turns some rows off and others on, and each row holds two dozen cells.
    QHash<QWidget*, std::vector<BoundField>> waiting_;
};

}  // namespace koru
