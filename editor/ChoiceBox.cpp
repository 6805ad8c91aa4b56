#include "editor/ChoiceBox.h"

#include <QLineEdit>

#include "platform/widgets/WidgetText.h"

namespace koru {

ChoiceBox::ChoiceBox(const QStringList& items, bool editable, QWidget* parent)
    : QComboBox(parent), listed_(static_cast<int>(items.size())) {
    addItems(items);
    if (editable) {
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);  // typed text is the value; the list stays as it is
        setCompleter(nullptr);                 // no completion running ahead of the field checks
        lineEdit()->setValidator(new TypingValidator(lineEdit(), 0));
    }
}

void ChoiceBox::setValue(const QString& text) {
    if (isEditable()) {
        SetFieldText(lineEdit(), text);
        return;
    }
    const int found = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0 && found < listed_) {
        setCurrentIndex(found);
        if (count() > listed_) removeItem(listed_);
        return;
    }
    if (count() > listed_) {
        setItemText(listed_, text);
    } else {
        addItem(text);
    }
    setCurrentIndex(listed_);
}

void ChoiceBox::setCaption(const QString& caption) {
    setAccessibleName(caption);
    setAccessibleDescription(caption);
    if (isEditable()) lineEdit()->setAccessibleName(caption);
}

bool ChoiceBox::showsOffListValue() const { return !isEditable() && currentIndex() >= listed_; }

}  // namespace koru
