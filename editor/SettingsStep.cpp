#include "editor/SettingsStep.h"

#include <algorithm>

namespace koru {

namespace {

constexpr int kFieldEditId = 1;  // steps of the fields, which may merge; a command's step has none (-1)

bool SameItem(const SettingChange& a, const SettingChange& b) {
    if (a.index != b.index) return false;
    if (a.setting->group != nullptr) return a.setting->group == b.setting->group;  // every option of a group
    return a.setting == b.setting;
}

}  // namespace

void Absorb(std::vector<SettingChange>& into, const std::vector<SettingChange>& more) {
    for (const SettingChange& change : more) {
        const auto known = std::find_if(into.begin(), into.end(),
                                        [&change](const SettingChange& held) { return SameItem(held, change); });
        if (known != into.end()) {
            known->after = change.after;
        } else {
            into.push_back(change);
        }
    }
}

SettingsStep::SettingsStep(const QString& name, std::vector<SettingChange> changes, Kind kind, int focusVisit,
                           Apply apply)
    : changes_(std::move(changes)), kind_(kind), focusVisit_(focusVisit), apply_(std::move(apply)) {
    setText(name);
}

void SettingsStep::undo() {
    apply_(changes_, true);
    done_ = false;
}

void SettingsStep::redo() {
    if (!done_) apply_(changes_, false);
    done_ = true;
}

int SettingsStep::id() const { return kind_ == Kind::Command ? -1 : kFieldEditId; }

// A field's change while the focus still is where the step began: the same edit (further keys, or the checks
// that leaving the field ran before the focus moved on).
bool SettingsStep::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const SettingsStep*>(other);
    if (next == nullptr || kind_ != Kind::InFocus || next->focusVisit_ != focusVisit_) return false;
    Absorb(changes_, next->changes_);
    setObsolete(std::all_of(changes_.begin(), changes_.end(),
                            [](const SettingChange& change) { return change.before == change.after; }));
    return true;
}

}  // namespace koru
