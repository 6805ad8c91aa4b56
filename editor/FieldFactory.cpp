#include "editor/FieldFactory.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <utility>

#include "editor/CellField.h"
#include "editor/ChoiceBox.h"
#include "editor/FlagBox.h"
#include "editor/ListBox.h"
#include "platform/widgets/WidgetText.h"
#include "protocol/QuotedTexts.h"

namespace koru {

namespace {

QStringList Items(std::span<const std::string_view> choices) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(choices.size()));
    for (std::string_view choice : choices) items.append(ToWidgetText(choice));
    return items;
}

void Name(QWidget* widget, const QString& accessible) {
    if (!accessible.isEmpty()) widget->setAccessibleName(accessible);
}

// The address of an item's value, which names the item.
const void* Address(const Setting& setting, UnitConfiguration& config, int index) {
    switch (setting.kind) {
        case FieldKind::Flag: return &setting.flag(config, index);
        case FieldKind::List: return &setting.list(config, index);
        case FieldKind::Option: return nullptr;
        default: return &setting.text(config, index);
    }
}

QString SettingName(const Setting& setting, int index) { return QString::fromStdString(ControlName(setting, index)); }

}  // namespace

QString ObjectName(std::string_view control, int index) {
    QString name = QString::fromLatin1(control.data(), static_cast<qsizetype>(control.size()));
    if (index >= 0) name += QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
    return name;
}

int FieldWidth(const QWidget* field, int characters) {
    const int frame = 2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    return field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + frame + 8;
}

FieldFactory::FieldFactory(UnitConfiguration& config) : config_(config) {
    for (const Setting& setting : Settings()) {
        for (int index = 0; index < setting.size(); ++index) {
            if (const void* address = Address(setting, config_, index)) byValue_.emplace(address, Item{&setting, index});
        }
    }
}

FieldFactory::Item FieldFactory::settingOf(const void* value) const {
    const auto found = byValue_.find(value);
    Q_ASSERT_X(found != byValue_.end(), "FieldFactory", "a value that no setting holds");
    return found->second;
}

FieldFactory::Item FieldFactory::optionOf(const OptionGroup& group, int item, std::string_view value) const {
    for (const Setting& setting : Settings()) {
        if (setting.kind == FieldKind::Option && setting.group == &group && setting.option == value) return {&setting, item};
    }
    Q_ASSERT_X(false, "FieldFactory", "an option that no setting holds");
    return {nullptr, 0};
}

FieldFactory::Made FieldFactory::takeMade() {
    return {std::exchange(bound_, {}), std::exchange(checked_, {}), std::exchange(eventButtons_, {})};
}

void FieldFactory::bind(QWidget* widget, Item item) {
    bound_.push_back({widget, item.setting, item.index});
    noteCheck(widget, item.setting->check);
}

void FieldFactory::noteCheck(QWidget* widget, FieldCheck check) {
    if (check != FieldCheck::None) checked_.push_back({widget, check});
}

void FieldFactory::checkTogether(QWidget* field, QWidget* partner) {
    for (CheckedField& checked : checked_) {
        if (checked.widget == field) checked.partner = partner;
        if (checked.widget == partner) checked.partner = field;
    }
}

QLineEdit* FieldFactory::makeText(QWidget* parent, const QString& name, FieldKind kind, int typingLimit,
                                  const QString& refused, const QString& accessible) {
    QLineEdit* field = kind == FieldKind::Cell ? new CellField(parent) : new QLineEdit(parent);
    field->setObjectName(name);
    field->setValidator(new TypingValidator(field, typingLimit, refused));
    if (kind == FieldKind::Cell) {
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(FieldWidth(field, 2));
    } else if (kind == FieldKind::Number && typingLimit > 0) {
        field->setMaximumWidth(FieldWidth(field, typingLimit + 3));
    }
    Name(field, accessible);
    return field;
}

ChoiceBox* FieldFactory::makeChoice(QWidget* parent, const QString& name, std::span<const std::string_view> choices,
                                    bool editable, const QString& accessible) {
    auto* box = new ChoiceBox(Items(choices), editable, parent);
    box->setObjectName(name);
    if (!accessible.isEmpty()) box->setCaption(accessible);
    return box;
}

QLabel* FieldFactory::makeValue(QWidget* parent, const QString& name, const QString& accessible) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // unit texts are shown as they are, never as markup
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::NoFocus);  // no stop for the keyboard: nothing to do there
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumHeight(label->fontMetrics().height() + 6);
    // No accessible name: a label's name is its text, the value a screen reader must read; the caption
    // says what the value is.
    label->setAccessibleDescription(accessible);
    return label;
}

ListBox* FieldFactory::makeList(QWidget* parent, const QString& name, int visibleRows, const QString& accessible,
                               QStringListModel* shared) {
    auto* list = new ListBox(parent, shared);
    // Every list shares the style and font: measure one row once.
    if (listRowHeight_ == 0) listRowHeight_ = list->rowHeightFor(QStringLiteral("Xg"));
    list->setObjectName(name);
    // Exactly the rows asked for: a taller list shows the top of the next row, cut off.
    list->setFixedHeight(listRowHeight_ * visibleRows + 2 * list->frameWidth());
    Name(list, accessible);
    return list;
}

template <class Make>
auto FieldFactory::bound(const void* value, Make make) {
    const Item item = settingOf(value);
    auto* field = make(*item.setting, SettingName(*item.setting, item.index));
    bind(field, item);
    return field;
}

QLineEdit* FieldFactory::text(QWidget* parent, const Text& value, const QString& accessible) {
    return bound(&value, [&](const Setting& setting, const QString& name) {
        // A text the unit receives between quotes can never carry some characters: they cannot be typed.
        const QString refused = IsQuotedText(setting) ? ToWidgetText(kUncarriedCharacters) : QString();
        return makeText(parent, name, setting.kind, setting.typingLimit, refused, accessible);
    });
}

ChoiceBox* FieldFactory::choice(QWidget* parent, const Text& value, const QString& accessible) {
    return bound(&value, [&](const Setting& setting, const QString& name) {
        return makeChoice(parent, name, setting.choices, setting.editableChoice, accessible);
    });
}

QLabel* FieldFactory::value(QWidget* parent, const Text& value, const QString& accessible) {
    return bound(&value, [&](const Setting&, const QString& name) { return makeValue(parent, name, accessible); });
}

QCheckBox* FieldFactory::flag(QWidget* parent, const bool& value, const QString& caption, const QString& accessible) {
    return bound(&value, [&](const Setting&, const QString& name) {
        auto* box = new FlagBox(caption, parent);
        box->setObjectName(name);
        Name(box, accessible.isEmpty() ? caption : accessible);
        return box;
    });
}

ListBox* FieldFactory::list(QWidget* parent, const TextList& value, int visibleRows, const QString& accessible) {
    return bound(&value, [&](const Setting&, const QString& name) {
        return makeList(parent, name, visibleRows, accessible);
    });
}

QRadioButton* FieldFactory::option(QWidget* parent, const OptionGroup& group, int item, std::string_view value,
                                   const QString& caption, const QString& accessible) {
    const Item found = optionOf(group, item, value);
    auto* button = new QRadioButton(caption, parent);
    button->setAutoExclusive(false);  // the binder groups the options of one setting, "nothing selected" included
    button->setObjectName(SettingName(*found.setting, found.index));
    Name(button, accessible.isEmpty() ? caption : accessible);
    bind(button, found);
    return button;
}

QCheckBox* FieldFactory::eventSwitch(QWidget* parent, const EventDescription& event, int item, const QString& caption,
                                     const QString& accessible) {
    return flag(parent, event.on(config_, item), caption, accessible);
}

ListBox* FieldFactory::eventList(QWidget* parent, const EventDescription& event, int item, int visibleRows,
                                     const QString& accessible) {
    return list(parent, event.actions(config_, item), visibleRows, accessible);
}

QPushButton* FieldFactory::actionsButton(QWidget* parent, const EventDescription& event, int item,
                                         const QString& caption, const QString& accessible) {
    QPushButton* pushButton = button(parent, {event.buttonControl, nullptr}, event.controlIndex(item), accessible);
    pushButton->setText(caption);
    eventButtons_.push_back({pushButton, &event, item});
    return pushButton;
}

QLineEdit* FieldFactory::text(QWidget* parent, const EditorField& field, int index, const QString& accessible) {
    QLineEdit* edit = makeText(parent, ObjectName(field.name, index), field.kind, field.typingLimit, {}, accessible);
    if (!field.initial.empty()) SetFieldText(edit, ToWidgetText(field.initial));
    noteCheck(edit, field.check);
    return edit;
}

ChoiceBox* FieldFactory::choice(QWidget* parent, const EditorField& field, int index, const QString& accessible) {
    ChoiceBox* box = makeChoice(parent, ObjectName(field.name, index), field.choices, false, accessible);
    noteCheck(box, field.check);
    return box;
}

QLabel* FieldFactory::value(QWidget* parent, const EditorField& field, const QString& accessible) {
    QLabel* label = makeValue(parent, ObjectName(field.name, -1), accessible);
    if (!field.initial.empty()) label->setText(ToWidgetText(field.initial));
    return label;
}

ListBox* FieldFactory::list(QWidget* parent, const EditorField& field, int visibleRows, const QString& accessible) {
    const auto shared = sharedLists_.find(&field);
    return makeList(parent, ObjectName(field.name, -1), visibleRows, accessible,
                    shared != sharedLists_.end() ? shared->second : nullptr);
}

QPushButton* FieldFactory::button(QWidget* parent, const ButtonControl& button, int index, const QString& accessible) {
    auto* pushButton = new QPushButton(button.caption != nullptr ? QString::fromUtf8(button.caption) : QString(), parent);
    pushButton->setObjectName(ObjectName(button.name, index));
    pushButton->setEnabled(false);
    Name(pushButton, accessible);
    return pushButton;
}

QWidget* FieldFactory::frame(QWidget* parent, std::string_view name, int index) {
    auto* frame = new QWidget(parent);
    frame->setObjectName(ObjectName(name, index));
    return frame;
}

QGroupBox* FieldFactory::group(QWidget* parent, const QString& caption, std::string_view name, int index) {
    auto* group = new QGroupBox(caption, parent);
    if (!name.empty()) group->setObjectName(ObjectName(name, index));
    return group;
}

QLabel* FieldFactory::caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (buddy != nullptr) label->setBuddy(buddy);
    return label;
}

}  // namespace koru
