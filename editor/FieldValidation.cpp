#include "editor/FieldValidation.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

#include "editor/ChoiceBox.h"
#include "editor/FieldText.h"
#include "model/FieldChecks.h"

namespace koru {

FieldValidation::FieldValidation(QObject* parent) : QObject(parent) {}

void FieldValidation::watch(const std::vector<CheckedField>& fields) {
    for (const CheckedField& field : fields) watchField(field);
}

void FieldValidation::watchField(const CheckedField& watched) {
    QWidget* field = watched.widget;
    const FieldCheck check = watched.check;
    if (HasChangeCheck(check)) {
        const auto changed = [field, check] { ShowFieldText(field, ChangeCheck(check, FieldText(field))); };
        if (auto* edit = qobject_cast<QLineEdit*>(field)) connect(edit, &QLineEdit::textChanged, this, changed);
        if (auto* box = qobject_cast<ChoiceBox*>(field)) connect(box, &QComboBox::currentTextChanged, this, changed);
    }
    if (HasLeaveCheck(check) || StepsOnDoubleClick(check)) {
        watched_.insert(field, watched);
        field->installEventFilter(this);
    }
}

void FieldValidation::leave(QWidget* field, const CheckedField& watched) {
    const std::string text = FieldText(field);
    const std::string partner = watched.partner ? FieldText(watched.partner) : std::string();
    switch (watched.check) {
        case FieldCheck::Time: ShowFieldText(field, LeaveTime(text, partner)); break;
        case FieldCheck::TimerUnit:
            if (watched.partner) ShowFieldText(watched.partner, LeaveTimerUnit(partner, text));
            break;
        case FieldCheck::Count: ShowFieldText(field, LeaveCount(text)); break;
        case FieldCheck::Limit: ShowFieldText(field, LeaveLimit(text)); break;
        case FieldCheck::RetransmissionMin: ShowFieldText(field, LeaveRetransmissionMin(text, partner)); break;
        case FieldCheck::RetransmissionMax: ShowFieldText(field, LeaveRetransmissionMax(text, partner)); break;
        case FieldCheck::MaskCell: ShowFieldText(field, LeaveMaskCell(text)); break;
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
        if (found != watched_.constEnd() && StepsOnDoubleClick(found->check)) {
            auto* field = static_cast<QWidget*>(object);
            const std::string cell = FieldText(field);
            ShowFieldText(field, found->check == FieldCheck::MaskCell ? NextMaskCellValue(cell) : NextActionCellValue(cell));
            return true;
        }
    }
    return QObject::eventFilter(object, event);
}

}  // namespace koru
