#include "editor/FieldValidation.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

#include "editor/ChoiceBox.h"
#include "editor/ControlSet.h"
#include "editor/EditorFields.h"
#include "model/FieldChecks.h"
#include "model/SettingCatalog.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

std::string Bytes(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) return FromWidgetText(edit->text()).value_or("");
    if (const auto* box = qobject_cast<const ChoiceBox*>(field)) return FromWidgetText(box->value()).value_or("");
    return {};
}

void Put(QWidget* field, const std::string& bytes) {
    const QString text = ToWidgetText(bytes);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        if (edit->text() != text) SetFieldText(edit, text);
    } else if (auto* box = qobject_cast<ChoiceBox*>(field)) {
        if (box->value() != text) box->setValue(text);
    }
}

bool HasChangeCheck(FieldCheck check) {
    return check == FieldCheck::NumberOrEmpty || check == FieldCheck::Time || check == FieldCheck::Count ||
           check == FieldCheck::Channel;
}

bool HasLeaveCheck(FieldCheck check) {
    return check == FieldCheck::Time || check == FieldCheck::TimerUnit || check == FieldCheck::Count ||
           check == FieldCheck::Limit || check == FieldCheck::RetransmissionMin ||
           check == FieldCheck::RetransmissionMax || check == FieldCheck::MaskCell;
}

bool Steps(FieldCheck check) { return check == FieldCheck::MaskCell || check == FieldCheck::ActionCell; }

}  // namespace

FieldValidation::FieldValidation(const ControlSet& controls, QObject* parent) : QObject(parent) {
    const auto attach = [&](std::string_view control, int firstIndex, int count, FieldCheck check) {
        if (check == FieldCheck::None) return;
        const auto partner = CheckPartner(control);
        for (int i = 0; i < count; ++i) {
            const int index = firstIndex < 0 ? -1 : firstIndex + i;
            QWidget* field = controls.find(control, index);
            if (field == nullptr) continue;
            watch(field, check, partner ? controls.find(*partner, index) : nullptr);
        }
    };
    for (const Setting& setting : Settings()) attach(setting.control, setting.firstIndex, setting.size(), setting.check);
    for (const EditorField& field : EditorFields()) attach(field.control, field.firstIndex, field.count, field.check);
}

void FieldValidation::watch(QWidget* field, FieldCheck check, QWidget* partner) {
    if (HasChangeCheck(check)) {
        const auto changed = [field, check] { Put(field, ChangeCheck(check, Bytes(field))); };
        if (auto* edit = qobject_cast<QLineEdit*>(field)) connect(edit, &QLineEdit::textChanged, this, changed);
        if (auto* box = qobject_cast<ChoiceBox*>(field)) connect(box, &QComboBox::currentTextChanged, this, changed);
    }
    if (HasLeaveCheck(check) || Steps(check)) {
        watched_.insert(field, {check, partner});
        field->installEventFilter(this);
    }
}

void FieldValidation::leave(QWidget* field, const Watched& watched) {
    const std::string text = Bytes(field);
    const std::string partner = watched.partner ? Bytes(watched.partner) : std::string();
    switch (watched.check) {
        case FieldCheck::Time: Put(field, LeaveTime(text, partner)); break;
        case FieldCheck::TimerUnit:
            if (watched.partner) Put(watched.partner, LeaveTimerUnit(partner, text));
            break;
        case FieldCheck::Count: Put(field, LeaveCount(text)); break;
        case FieldCheck::Limit: Put(field, LeaveLimit(text)); break;
        case FieldCheck::RetransmissionMin: Put(field, LeaveRetransmissionMin(text, partner)); break;
        case FieldCheck::RetransmissionMax: Put(field, LeaveRetransmissionMax(text, partner)); break;
        case FieldCheck::MaskCell: Put(field, LeaveMaskCell(text)); break;
        default: break;
    }
}

bool FieldValidation::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A popup (a drop-down's list, a menu) or another window taking the focus does not leave the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            const auto found = watched_.constFind(object);
            if (found != watched_.constEnd()) leave(static_cast<QWidget*>(object), *found);
        }
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        const auto found = watched_.constFind(object);
        if (found != watched_.constEnd() && Steps(found->check)) {
            auto* field = static_cast<QWidget*>(object);
            const std::string cell = Bytes(field);
            Put(field, found->check == FieldCheck::MaskCell ? NextMaskCellValue(cell) : NextActionCellValue(cell));
            return true;
        }
    }
    return QObject::eventFilter(object, event);
}

}  // namespace koru
