#include "editor/EditHistory.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>

#include <algorithm>

#include "editor/SettingBinder.h"
#include "editor/SettingsStep.h"

namespace koru {

namespace {

// "&Undo Channel": the step's name as a menu shows it (an "&" of the name is no mnemonic).
QString ItemText(const QString& command, QString step) {
    if (step.isEmpty()) return command;
    return command + QLatin1Char(' ') + step.replace(QLatin1Char('&'), QLatin1String("&&"));
}

bool HasShortcut(const QAction* action, const QKeySequence& keys) {
    return action != nullptr && action->shortcuts().contains(keys);
}

}  // namespace

EditHistory::EditHistory(SettingBinder& binder, QWidget& window) : QObject(&window), binder_(binder), window_(window) {
    connect(&binder_, &SettingBinder::edited, this, &EditHistory::record);
    // A field's edits are one step until the keyboard focus moves on.
    connect(qApp, &QApplication::focusChanged, this, [this] { ++focusVisit_; });
    qApp->installEventFilter(this);
}

// The menu items may be gone before the history: the stack's last signals (it clears itself) stay here.
EditHistory::~EditHistory() { disconnect(&stack_, nullptr, this, nullptr); }

bool EditHistory::edit(const QString& name, const std::function<bool(UnitConfiguration&)>& change) {
    if (command_ != nullptr) return binder_.edit(change);  // a part of the running command
    std::vector<SettingChange> gathered;
    bool changed = false;
    {
        const QScopedValueRollback<std::vector<SettingChange>*> gathering(command_, &gathered);
        changed = binder_.edit(change);
    }
    std::erase_if(gathered, [](const SettingChange& item) { return item.before == item.after; });
    if (!gathered.empty()) {
        stack_.push(new SettingsStep(name, std::move(gathered), SettingsStep::Kind::Command, focusVisit_,
                                     [this](const auto& changes, bool undoing) { apply(changes, undoing); }));
    }
    return changed;
}

void EditHistory::record(const std::vector<SettingChange>& changes) {
    if (applying_ || changes.empty()) return;
    if (command_ != nullptr) {
        Absorb(*command_, changes);  // a check's correction during a command belongs to the command
        return;
    }
    const bool inFocus = changes.size() == 1 && hasFocus(changes.front());
    stack_.push(new SettingsStep(nameOf(changes.front()), changes,
                                 inFocus ? SettingsStep::Kind::InFocus : SettingsStep::Kind::FieldEdit, focusVisit_,
                                 [this](const auto& steps, bool undoing) { apply(steps, undoing); }));
}

// Back through the binder as a command's change, so every field and rule follows; not recorded again.
void EditHistory::apply(const std::vector<SettingChange>& changes, bool undoing) {
    const QScopedValueRollback<bool> applying(applying_, true);
    ++focusVisit_;  // an edit after an undo or redo is a step of its own
    binder_.edit([&](UnitConfiguration& config) {
        if (undoing) {
            for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
                SetValue(*change->setting, config, change->index, change->before);
            }
        } else {
            for (const SettingChange& change : changes) SetValue(*change.setting, config, change.index, change.after);
        }
        return true;
    });
}

void EditHistory::clear() {
    stack_.clear();
    ++focusVisit_;
}

void EditHistory::connectMenu(QAction* undo, QAction* redo) {
    undo_ = undo;
    redo_ = redo;
    connect(undo_, &QAction::triggered, &stack_, &QUndoStack::undo);
    connect(redo_, &QAction::triggered, &stack_, &QUndoStack::redo);
    const auto follow = [this] {
        undo_->setEnabled(stack_.canUndo());
        undo_->setText(ItemText(QStringLiteral("&Undo"), stack_.undoText()));
        redo_->setEnabled(stack_.canRedo());
        redo_->setText(ItemText(QStringLiteral("&Redo"), stack_.redoText()));
    };
    connect(&stack_, &QUndoStack::indexChanged, this, follow);
    connect(&stack_, &QUndoStack::undoTextChanged, this, follow);
    follow();
}

// The caption of the field that shows the change: its accessible name (caption and row), else its text.
QString EditHistory::nameOf(const SettingChange& change) const {
    const QWidget* field = binder_.fieldOf(change);
    if (field == nullptr) return QString::fromStdString(ControlName(*change.setting, change.index));
    if (!field->accessibleName().isEmpty()) return field->accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(field)) return button->text().remove(QLatin1Char('&'));
    return field->objectName();
}

// Whether the field that shows the change has the keyboard focus (the user works in it).
bool EditHistory::hasFocus(const SettingChange& change) const {
    const QWidget* field = binder_.fieldOf(change);
    const QWidget* focus = QApplication::focusWidget();
    return field != nullptr && focus != nullptr && (focus == field || field->isAncestorOf(focus));
}

bool EditHistory::isHistoryKey(QObject* receiver, const QEvent* event) const {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
    if (!receiver->isWidgetType() || static_cast<QWidget*>(receiver)->window() != &window_) return false;
    const QKeySequence keys(static_cast<const QKeyEvent*>(event)->keyCombination());
    return HasShortcut(undo_, keys) || HasShortcut(redo_, keys);
}

// A text field would take Ctrl+Z for its own undo; in the window the history's keys go to the Edit menu.
bool EditHistory::eventFilter(QObject* watched, QEvent* event) {
    if (isHistoryKey(watched, event)) {
        event->ignore();  // no field overrides the menu's shortcut, and no field gets the key
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace koru
