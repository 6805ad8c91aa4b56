#include "editor/FieldText.h"

#include <QLineEdit>

#include "editor/ChoiceBox.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

std::string FieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) return FromWidgetText(edit->text()).value_or("");
    if (const auto* box = qobject_cast<const ChoiceBox*>(field)) return FromWidgetText(box->value()).value_or("");
    return {};
}

void ShowFieldText(QWidget* field, const std::string& bytes) {
    const QString text = ToWidgetText(bytes);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        if (edit->text() != text) SetFieldText(edit, text);
    } else if (auto* box = qobject_cast<ChoiceBox*>(field)) {
        if (box->value() != text) box->setValue(text);
    }
}

}  // namespace koru
