#pragma once

// One step of the window's undo history: the settings it changed, each with its value before and after. The
// same step serves every field and every command, since it holds values of the setting catalog, not controls.
// A step of the field that has the keyboard focus stays open for the field's next changes (further keys, and
// the checks that leaving the field runs) until the focus moves on; a command's step never takes more.

#include <QUndoCommand>

#include <functional>
#include <vector>

#include "model/SettingChanges.h"

namespace koru {

class SettingsStep : public QUndoCommand {
public:
    // Puts values into the unit, as the window shows them; `changes` in the order to apply.
    using Apply = std::function<void(const std::vector<SettingChange>& changes, bool undoing)>;

    enum class Kind {
        Command,    // a command's change (a new action, an import): a step of its own
        FieldEdit,  // a change of a field without the focus (a check's correction of another field)
        InFocus,    // a change of the focused field: takes the field edits of the same focus visit
    };

    // `focusVisit` counts the keyboard focus's moves (and undo and redo): an in-focus step takes the field edits
    // made before the focus moves on.
    SettingsStep(const QString& name, std::vector<SettingChange> changes, Kind kind, int focusVisit, Apply apply);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    std::vector<SettingChange> changes_;
    Kind kind_;
    int focusVisit_;
    Apply apply_;
    bool done_ = true;  // the changes are in the unit already when the step is recorded
};

// Adds `more` to `into`: an item changed again keeps its first value before and takes the new value after.
void Absorb(std::vector<SettingChange>& into, const std::vector<SettingChange>& more);

}  // namespace koru
