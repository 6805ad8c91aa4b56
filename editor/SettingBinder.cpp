#include "editor/SettingBinder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "editor/ChoiceBox.h"
#include "editor/ControlSet.h"
#include "editor/ListItems.h"
#include "model/FileSyntax.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

// A line edit holds at most maxLength() characters and shows a longer text cut. Such a text stays whole in
// the model until the user edits the field; showing it must never write the cut text back.
bool ShowsCutText(const QLineEdit* edit, const std::string& whole) {
    return !edit->isModified() && whole.size() > static_cast<std::size_t>(edit->maxLength());
}

}  // namespace

SettingBinder::SettingBinder(UnitConfiguration& config, const ControlSet& controls, QObject* parent)
    : QObject(parent), config_(config) {
    for (const Setting& setting : Settings()) {
        for (int index = 0; index < setting.size(); ++index) {
            const int controlIndex = setting.firstIndex < 0 ? -1 : setting.firstIndex + index;
            const QString name = ObjectName(setting.control, controlIndex);
            QWidget* widget = controls.find(name);
            if (widget == nullptr) {
                missing_.append(name);
                continue;
            }
            byName_.insert(name, static_cast<int>(fields_.size()));
            fields_.push_back({&setting, index, widget});
            bind(fields_.back());
        }
    }
}

QButtonGroup* SettingBinder::groupOf(const Field& field) {
    const QPair<const OptionGroup*, int> key(field.setting->group, field.index);
    QButtonGroup*& group = groups_[key];
    if (group == nullptr) group = new QButtonGroup(this);
    return group;
}

void SettingBinder::take(const Setting& setting, int index, const std::string& value) {
    SetFieldValue(setting, config_, index, value);
    emit modelChanged();
}

void SettingBinder::bind(const Field& field) {
    const Setting& setting = *field.setting;
    const int index = field.index;
    switch (setting.kind) {
        case FieldKind::FreeText:
        case FieldKind::Number:
        case FieldKind::Cell: {
            auto* edit = qobject_cast<QLineEdit*>(field.widget);
            connect(edit, &QLineEdit::textChanged, this, [this, edit, &setting, index] {
                if (ShowsCutText(edit, setting.text(config_, index))) return;
                if (const auto bytes = FromWidgetText(edit->text())) take(setting, index, *bytes);
            });
            break;
        }
        case FieldKind::Choice: {
            auto* box = qobject_cast<ChoiceBox*>(field.widget);
            connect(box, &QComboBox::currentTextChanged, this, [this, box, &setting, index] {
                if (box->isEditable() && ShowsCutText(box->lineEdit(), setting.text(config_, index))) return;
                if (const auto bytes = FromWidgetText(box->value())) take(setting, index, *bytes);
            });
            break;
        }
        case FieldKind::Flag: {
            auto* box = qobject_cast<QCheckBox*>(field.widget);
            connect(box, &QCheckBox::toggled, this,
                    [this, &setting, index](bool checked) { take(setting, index, FlagText(checked)); });
            break;
        }
        case FieldKind::Option: {
            auto* option = qobject_cast<QRadioButton*>(field.widget);
            groupOf(field)->addButton(option);
            connect(option, &QRadioButton::toggled, this, [this, &setting, index](bool checked) {
                if (checked) take(setting, index, "1");  // an option is only ever switched on
            });
            break;
        }
        case FieldKind::Label:
        case FieldKind::List: break;  // set by the program only
    }
}

void SettingBinder::showField(const Field& field) {
    const Setting& setting = *field.setting;
    switch (setting.kind) {
        case FieldKind::Label: {
            auto* label = qobject_cast<QLabel*>(field.widget);
            const QString text = ToWidgetText(setting.text(config_, field.index));
            if (label->text() != text) {
                label->setText(text);
                emit programSet(label);
            }
            break;
        }
        case FieldKind::FreeText:
        case FieldKind::Number:
        case FieldKind::Cell: {
            auto* edit = qobject_cast<QLineEdit*>(field.widget);
            const QString text = ToWidgetText(setting.text(config_, field.index));
            if (edit->text() != text) SetFieldText(edit, text);
            break;
        }
        case FieldKind::Choice: {
            auto* box = qobject_cast<ChoiceBox*>(field.widget);
            const QString text = ToWidgetText(setting.text(config_, field.index));
            if (box->value() != text) box->setValue(text);
            break;
        }
        case FieldKind::Flag:
            qobject_cast<QCheckBox*>(field.widget)->setChecked(setting.flag(config_, field.index));
            break;
        case FieldKind::Option: {
            auto* option = qobject_cast<QRadioButton*>(field.widget);
            if (FieldValue(setting, config_, field.index) == "1") {
                option->setChecked(true);
            } else if (setting.group->get(config_, field.index).empty() && option->isChecked()) {
                // No option of the group is selected: the group's exclusiveness would keep this one on.
                QButtonGroup* group = groupOf(field);
                group->setExclusive(false);
                option->setChecked(false);
                group->setExclusive(true);
            }
            break;
        }
        case FieldKind::List: {
            auto* list = qobject_cast<QListWidget*>(field.widget);
            if (SetListItems(list, WidgetTexts(setting.list(config_, field.index)))) emit programSet(list);
            break;
        }
    }
}

void SettingBinder::showAll() {
    for (const Field& field : fields_) showField(field);
}

bool SettingBinder::show(const QString& control) {
    const auto found = byName_.constFind(control);
    if (found == byName_.constEnd()) return false;
    showField(fields_[static_cast<std::size_t>(*found)]);
    return true;
}

}  // namespace koru
