#include "editor/SettingBinder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "editor/ChoiceBox.h"
#include "editor/FieldText.h"
#include "editor/ListBox.h"
#include "editor/ListItems.h"
#include "model/FieldChecks.h"
#include "model/FileSyntax.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

// The property that marks an event row whose fields wait while it is off.
constexpr char kWaitsWhileOff[] = "koruWaitsWhileOff";

// The most characters a line edit holds (its default maxLength(), which the window keeps); setText() cuts
// a longer text.
constexpr int kLineEditLength = 32767;

// While it lives, the fields' signals are the program's, not the user's.
class Showing {
public:
    explicit Showing(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Showing() { flag_ = was_; }
    Showing(const Showing&) = delete;
    Showing& operator=(const Showing&) = delete;

private:
    bool& flag_;
    bool was_;
};

// A line edit holds at most maxLength() characters and shows a longer text cut. Such a text stays whole in
// the configuration until the user edits the field: neither showing it nor a check's correction of what is
// shown writes the cut text back.
bool ShowsCutText(const BoundField& field, const std::string& whole) {
    const QLineEdit* edit = qobject_cast<QLineEdit*>(field.widget);
    if (auto* box = qobject_cast<ChoiceBox*>(field.widget)) edit = box->isEditable() ? box->lineEdit() : nullptr;
    return edit != nullptr && !edit->isModified() && whole.size() > static_cast<std::size_t>(edit->maxLength());
}

// The value a field the user can change holds; nullopt for an option that is off (an option is only ever
// switched on) and for the fields the program alone sets.
std::optional<SettingValue> ValueIn(const BoundField& field) {
    switch (field.setting->kind) {
        case FieldKind::FreeText:
        case FieldKind::Number:
        case FieldKind::Cell:
        case FieldKind::Choice: return SettingValue{FieldText(field.widget), {}};
        case FieldKind::Flag: return SettingValue{FlagText(qobject_cast<QCheckBox*>(field.widget)->isChecked()), {}};
        case FieldKind::Option:
            if (!qobject_cast<QRadioButton*>(field.widget)->isChecked()) return std::nullopt;
            return SettingValue{std::string(field.setting->option), {}};
        case FieldKind::Label:
        case FieldKind::List: break;
    }
    return std::nullopt;
}

bool SameItem(const BoundField& field, const SettingChange& change) {
    if (field.index != change.index) return false;
    if (field.setting->kind == FieldKind::Option) return field.setting->group == change.setting->group;
    return field.setting == change.setting;
}

}  // namespace

SettingBinder::SettingBinder(UnitConfiguration& config, QObject* parent) : QObject(parent), config_(config) {}

void SettingBinder::addFields(const std::vector<BoundField>& fields) {
    for (const BoundField& field : fields) {
        fields_.push_back(field);
        bind(field);
        showField(field);
    }
}

QButtonGroup* SettingBinder::groupOf(const BoundField& field) {
    const QPair<const OptionGroup*, int> key(field.setting->group, field.index);
    QButtonGroup*& group = groups_[key];
    if (group == nullptr) group = new QButtonGroup(this);
    return group;
}

void SettingBinder::bind(const BoundField& field) {
    switch (field.setting->kind) {
        case FieldKind::FreeText:
        case FieldKind::Number:
        case FieldKind::Cell:
            connect(qobject_cast<QLineEdit*>(field.widget), &QLineEdit::textChanged, this, [this, field] { take(field); });
            break;
        case FieldKind::Choice:
            connect(qobject_cast<ChoiceBox*>(field.widget), &QComboBox::currentTextChanged, this,
                    [this, field] { take(field); });
            break;
        case FieldKind::Flag:
            connect(qobject_cast<QCheckBox*>(field.widget), &QCheckBox::toggled, this, [this, field] { take(field); });
            break;
        case FieldKind::Option: {
            auto* option = qobject_cast<QRadioButton*>(field.widget);
            groupOf(field)->addButton(option);
            connect(option, &QRadioButton::toggled, this, [this, field] { take(field); });
            break;
        }
        case FieldKind::Label:
        case FieldKind::List: break;  // set by the program only
    }
}

// A field's new value as the user's edit; what the program shows never comes back this way.
void SettingBinder::take(const BoundField& field) {
    if (showing_) return;
    std::optional<SettingValue> now = ValueIn(field);
    if (!now) return;
    SettingValue was = ValueOf(*field.setting, config_, field.index);
    if (was == *now || ShowsCutText(field, was.text)) return;
    commit({{field.setting, field.index, std::move(was), std::move(*now)}});
}

void SettingBinder::commit(const std::vector<SettingChange>& changes) {
    for (const SettingChange& change : changes) SetValue(*change.setting, config_, change.index, change.after);
    emit edited(changes);
}

bool SettingBinder::edit(const std::function<bool(UnitConfiguration&)>& change) {
    UnitConfiguration next = config_;
    if (!change(next)) return false;
    const std::vector<SettingChange> changes = Differences(config_, next);
    if (changes.empty()) return false;
    commit(changes);
    for (const SettingChange& changed : changes) {
        correct(*changed.setting, changed.index);
        showChanged(changed);
    }
    return true;
}

// A field's change check corrects the value it is given, and the correction is an edit. A text longer than a
// line edit holds is shown cut and stays whole, uncorrected.
void SettingBinder::correct(const Setting& setting, int index) {
    if (!HasChangeCheck(setting.check)) return;
    const std::string& whole = setting.text(config_, index);
    const bool typed = setting.kind != FieldKind::Choice || setting.editableChoice;
    if (typed && whole.size() > static_cast<std::size_t>(kLineEditLength)) return;
    std::string corrected = ChangeCheck(setting.check, whole);
    if (corrected == whole) return;
    commit({{&setting, index, ValueOf(setting, config_, index), SettingValue{std::move(corrected), {}}}});
}

void SettingBinder::showChanged(const SettingChange& change) {
    for (const BoundField& field : fields_) {
        if (SameItem(field, change)) showField(field);
    }
}

QWidget* SettingBinder::fieldOf(const SettingChange& change) const {
    QWidget* found = nullptr;
    for (const BoundField& field : fields_) {
        if (!SameItem(field, change)) continue;
        if (field.setting->kind != FieldKind::Option || field.setting->option == change.after.text) return field.widget;
        if (found == nullptr) found = field.widget;
    }
    return found;
}

void SettingBinder::showAll() {
    for (const Setting& setting : Settings()) {
        for (int index = 0; index < setting.size(); ++index) correct(setting, index);
    }
    for (const BoundField& field : fields_) showField(field);
}

void SettingBinder::LetWaitWhileOff(QWidget* row) { row->setProperty(kWaitsWhileOff, true); }

// A cell or action list whose event row is off waits, once, for the row to be turned on: nothing reads what it
// shows until then. True when it waits.
bool SettingBinder::holdUntilRowShows(const BoundField& field) {
    if (field.setting->kind != FieldKind::Cell && field.setting->kind != FieldKind::List) return false;
    QWidget* row = field.widget->parentWidget();
    if (row == nullptr || !row->isHidden() || !row->property(kWaitsWhileOff).toBool()) return false;
    std::vector<BoundField>& waiting = waiting_[row];
    if (waiting.empty()) row->installEventFilter(this);  // a row lives as long as its fields
    const bool known = std::any_of(waiting.begin(), waiting.end(),
                                   [&](const BoundField& other) { return other.widget == field.widget; });
    if (!known) waiting.push_back(field);
    return true;
}

bool SettingBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent) {
        auto row = waiting_.find(static_cast<QWidget*>(watched));
        if (row != waiting_.end()) {
            const std::vector<BoundField> fields = std::move(*row);
            waiting_.erase(row);
            watched->removeEventFilter(this);
            for (const BoundField& field : fields) showField(field);
        }
    }
    return QObject::eventFilter(watched, event);
}

void SettingBinder::showField(const BoundField& field) {
    if (holdUntilRowShows(field)) return;
    const Setting& setting = *field.setting;
    const Showing showing(showing_);
    switch (setting.kind) {
        case FieldKind::Label:
            qobject_cast<QLabel*>(field.widget)->setText(ToWidgetText(setting.text(config_, field.index)));
            break;
        case FieldKind::FreeText:
        case FieldKind::Number:
        case FieldKind::Cell:
        case FieldKind::Choice: ShowFieldText(field.widget, setting.text(config_, field.index)); break;
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
        case FieldKind::List:
            qobject_cast<ListBox*>(field.widget)->setTexts(WidgetTexts(setting.list(config_, field.index)));
            break;
    }
}

}  // namespace koru
