#include "editor/FieldFactory.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "editor/ChoiceBox.h"
#include "editor/EditorFields.h"
#include "platform/widgets/WidgetText.h"
#include "protocol/QuotedTexts.h"

namespace koru {

namespace {

ControlDescription Describe(std::string_view control, int index) {
    const auto description = DescribeControl(control, index);
    Q_ASSERT_X(description.has_value(), "FieldFactory", qPrintable(ObjectName(control, index)));
    return description.value_or(ControlDescription{});
}

QStringList Items(const ControlDescription& description) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(description.choices.size()));
    for (std::string_view choice : description.choices) items.append(ToWidgetText(choice));
    return items;
}

void Name(QWidget* widget, const QString& accessible) {
    if (!accessible.isEmpty()) widget->setAccessibleName(accessible);
}

}  // namespace

int FieldWidth(const QWidget* field, int characters) {
    const int frame = 2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    return field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + frame + 8;
}

QLineEdit* FieldFactory::text(QWidget* parent, std::string_view control, int index, const QString& accessible) {
    const ControlDescription description = Describe(control, index);
    auto* field = new QLineEdit(parent);
    controls_.add(field, ObjectName(control, index));
    // A text the unit receives between quotes can never carry some characters: they cannot be typed.
    const bool quoted = description.setting != nullptr && IsQuotedText(*description.setting);
    field->setValidator(new TypingValidator(field, description.typingLimit,
                                            quoted ? ToWidgetText(kUncarriedCharacters) : QString()));
    if (description.kind == FieldKind::Cell) {
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(FieldWidth(field, 2));
    } else if (description.kind == FieldKind::Number && description.typingLimit > 0) {
        field->setMaximumWidth(FieldWidth(field, description.typingLimit + 3));
    }
    if (!description.initial.empty()) SetFieldText(field, ToWidgetText(description.initial));
    Name(field, accessible);
    return field;
}

ChoiceBox* FieldFactory::choice(QWidget* parent, std::string_view control, int index, const QString& accessible) {
    const ControlDescription description = Describe(control, index);
    auto* box = new ChoiceBox(Items(description), description.editableChoice, parent);
    controls_.add(box, ObjectName(control, index));
    if (!accessible.isEmpty()) box->setCaption(accessible);
    return box;
}

QCheckBox* FieldFactory::flag(QWidget* parent, std::string_view control, int index, const QString& caption,
                              const QString& accessible) {
    auto* box = new QCheckBox(caption, parent);
    controls_.add(box, ObjectName(control, index));
    Name(box, accessible.isEmpty() ? caption : accessible);
    return box;
}

QRadioButton* FieldFactory::option(QWidget* parent, std::string_view control, int index, const QString& caption,
                                   const QString& accessible) {
    auto* button = new QRadioButton(caption, parent);
    button->setAutoExclusive(false);  // the binder groups the options of one setting, "nothing selected" included
    controls_.add(button, ObjectName(control, index));
    Name(button, accessible.isEmpty() ? caption : accessible);
    return button;
}

QListWidget* FieldFactory::list(QWidget* parent, std::string_view control, int index, int visibleRows,
                                const QString& accessible) {
    auto* list = new QListWidget(parent);
    controls_.add(list, ObjectName(control, index));
    list->setUniformItemSizes(true);
    if (listRowHeight_ == 0) {
        // Every list shares the style and font: measure one row once.
        list->addItem(QStringLiteral("Xg"));
        listRowHeight_ = list->sizeHintForRow(0);
        list->clear();
    }
    list->setFixedHeight(listRowHeight_ * visibleRows + 2 * list->frameWidth() + 2);
    Name(list, accessible);
    return list;
}

QLabel* FieldFactory::value(QWidget* parent, std::string_view control, int index, const QString& accessible) {
    const ControlDescription description = Describe(control, index);
    auto* label = new QLabel(parent);
    controls_.add(label, ObjectName(control, index));
    label->setTextFormat(Qt::PlainText);  // unit texts are shown as they are, never as markup
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::NoFocus);  // no stop for the keyboard: nothing to do there
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumHeight(label->fontMetrics().height() + 6);
    if (!description.initial.empty()) label->setText(ToWidgetText(description.initial));
    // No accessible name: a label's name is its text, the value a screen reader must read; the caption
    // says what the value is.
    label->setAccessibleDescription(accessible);
    return label;
}

QPushButton* FieldFactory::button(QWidget* parent, std::string_view control, int index, const QString& caption,
                                  const QString& accessible) {
    auto* button = new QPushButton(caption, parent);
    controls_.add(button, ObjectName(control, index));
    button->setEnabled(false);
    Name(button, accessible);
    return button;
}

QWidget* FieldFactory::frame(QWidget* parent, std::string_view control, int index) {
    auto* frame = new QWidget(parent);
    controls_.add(frame, ObjectName(control, index));
    return frame;
}

QGroupBox* FieldFactory::group(QWidget* parent, const QString& caption, std::string_view control, int index) {
    auto* group = new QGroupBox(caption, parent);
    if (!control.empty()) controls_.add(group, ObjectName(control, index));
    return group;
}

QLabel* FieldFactory::caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (buddy != nullptr) label->setBuddy(buddy);
    return label;
}

}  // namespace koru
