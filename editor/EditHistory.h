#pragma once

// The window's undo and redo. Every change the window makes to the unit enters it through the binder, which
// reports it as settings with their values before and after; each report becomes a step of a QUndoStack (see
// SettingsStep.h): a field the user edits, named after the field's caption (all typed or picked in one field is
// one step until the focus leaves it, with the corrections of the checks that leaving it runs), or a command's
// change, named by the command ("New action", "Import"). Undo and redo put the values back through the binder,
// so the fields, the show-when-on rules, the mirrors and the frequency follow as after any change, and the
// unit's other listeners (the recovery file, the modified mark) hear of it.
//
// Undo and Redo keep their keys while a text field has the focus: the window has one history, and a field's
// own undo would only see what was typed, not a click in a mask grid.

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <vector>

#include "model/SettingChanges.h"
#include "model/UnitConfiguration.h"

class QAction;
class QWidget;

namespace koru {

class SettingBinder;

class EditHistory : public QObject {
    Q_OBJECT

public:
    // Records what `binder` reports from now on; Undo and Redo keys pressed anywhere in `window` are its.
    EditHistory(SettingBinder& binder, QWidget& window);
    ~EditHistory() override;

    // A command's change (see SettingBinder::edit), recorded as one step called `name`. Returns whether a
    // setting changed.
    bool edit(const QString& name, const std::function<bool(UnitConfiguration&)>& change);

    // A fresh history: after an open, a new unit, restored edits.
    void clear();
    // The next change starts a step of its own even in the same field: after a save, so that Undo comes back
    // to the saved unit.
    void endStep() { ++focusVisit_; }

    // `undo` and `redo` take the history's step names ("&Undo Channel") and are enabled while there is a step.
    void connectMenu(QAction* undo, QAction* redo);

    const QUndoStack& steps() const { return stack_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void record(const std::vector<SettingChange>& changes);
    void apply(const std::vector<SettingChange>& changes, bool undoing);
    QString nameOf(const SettingChange& change) const;
    bool hasFocus(const SettingChange& change) const;
    bool isHistoryKey(QObject* receiver, const QEvent* event) const;

    SettingBinder& binder_;
    QWidget& window_;
    QUndoStack stack_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    int focusVisit_ = 0;
    bool applying_ = false;                         // undo or redo is putting values back
    std::vector<SettingChange>* command_ = nullptr;  // a command is running: its changes gather here
};

}  // namespace koru
