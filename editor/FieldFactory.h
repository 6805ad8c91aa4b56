#pragma once

// Makes the window's controls as the setting catalog, the event table and the editor's own table describe
// them: the object name (set here and nowhere else), the kind of widget, the drop-down items, the typing
// limit with its Windows-1252 validator and the accessible name. A page names the value a field shows (a
// setting of the window's configuration, or an editor-only field) and decides only where the field stands.
// The factory remembers what it made: the fields of the settings for the binder, the checked fields for the
// field checks, and the events' "Actions" buttons.

#include <QString>

#include <string_view>
#include <unordered_map>
#include <vector>

#include "editor/EditorControls.h"
#include "model/EventTable.h"
#include "model/SettingCatalog.h"
#include "model/UnitConfiguration.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStringListModel;
class QWidget;

namespace koru {

class ChoiceBox;
class ListBox;

// "txtTime(2)", or "lblId" for a single control (index -1).
QString ObjectName(std::string_view control, int index);

// A field that shows item `index` of a setting.
struct BoundField {
    QWidget* widget;
    const Setting* setting;
    int index;
};

// A field with a check, and the field the check also reads or corrects (may be null).
struct CheckedField {
    QWidget* widget;
    FieldCheck check;
    QWidget* partner = nullptr;
};

// An "Actions" button and the event action list it edits.
struct EventButton {
    QPushButton* button;
    const EventDescription* event;
    int item;
};

class FieldFactory {
public:
    // Fields are made for the settings of `config`, the window's configuration.
    explicit FieldFactory(UnitConfiguration& config);
    FieldFactory(const FieldFactory&) = delete;
    FieldFactory& operator=(const FieldFactory&) = delete;

    // The configuration whose values the pages name.
    const UnitConfiguration& values() const { return config_; }

    // The field of a setting, named by the value it shows (`values().unit.alias`). `accessible` names it for
    // assistive tools (caption and row).
    QLineEdit* text(QWidget* parent, const Text& value, const QString& accessible);  // text, number or cell
    ChoiceBox* choice(QWidget* parent, const Text& value, const QString& accessible);
    QLabel* value(QWidget* parent, const Text& value, const QString& accessible);  // set by the program only
    QCheckBox* flag(QWidget* parent, const bool& value, const QString& caption, const QString& accessible = {});
    ListBox* list(QWidget* parent, const TextList& value, int visibleRows, const QString& accessible);
    // The option of `group` (item `item`) that selects `value`.
    QRadioButton* option(QWidget* parent, const OptionGroup& group, int item, std::string_view value,
                         const QString& caption, const QString& accessible = {});

    // An event's switch and action list.
    QCheckBox* eventSwitch(QWidget* parent, const EventDescription& event, int item, const QString& caption,
                           const QString& accessible);
    ListBox* eventList(QWidget* parent, const EventDescription& event, int item, int visibleRows,
                           const QString& accessible);
    // An event's "Actions" button; ActionListEditing makes it work (the remote events' stay disabled).
    QPushButton* actionsButton(QWidget* parent, const EventDescription& event, int item, const QString& caption,
                               const QString& accessible);

    // A field only the editor holds; `index` is its element of a control array (-1 for a single control).
    QLineEdit* text(QWidget* parent, const EditorField& field, int index, const QString& accessible);
    ChoiceBox* choice(QWidget* parent, const EditorField& field, int index, const QString& accessible);
    QLabel* value(QWidget* parent, const EditorField& field, const QString& accessible);
    // The list shows the texts `shareList` gave for the field, or texts of its own.
    ListBox* list(QWidget* parent, const EditorField& field, int visibleRows, const QString& accessible);
    // The list of `field` shows `texts`, which their owner fills (the library's units and destinations).
    void shareList(const EditorField& field, QStringListModel* texts) { sharedLists_[&field] = texts; }

    // A plain widget named after an editor-only field, for one the window keeps but never shows.
    template <class Widget>
    Widget* kept(QWidget* parent, const EditorField& field) {
        auto* widget = new Widget(parent);
        widget->setObjectName(ObjectName(field.name, -1));
        return widget;
    }

    // A button whose work another part of the editor provides: it stays disabled until that part enables it.
    QPushButton* button(QWidget* parent, const ButtonControl& button, int index = -1, const QString& accessible = {});
    // A container without a caption, shown or hidden as a whole.
    QWidget* frame(QWidget* parent, std::string_view name, int index = -1);
    // A captioned frame; `name` may be empty when the frame has no name of its own.
    QGroupBox* group(QWidget* parent, const QString& caption, std::string_view name = {}, int index = -1);
    // A caption label standing for `buddy`.
    static QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy = nullptr);

    // The two fields' checks read or correct each other (a time and its unit, a minimum and its maximum).
    void checkTogether(QWidget* field, QWidget* partner);

    // What the factory made since the last call (a page): the fields of the settings for the binder, the
    // checked fields for the field checks, and the events' "Actions" buttons.
    struct Made {
        std::vector<BoundField> bound;
        std::vector<CheckedField> checked;
        std::vector<EventButton> eventButtons;
    };
    Made takeMade();

private:
    struct Item {
        const Setting* setting;
        int index;
    };
    Item settingOf(const void* value) const;
    Item optionOf(const OptionGroup& group, int item, std::string_view value) const;
    void bind(QWidget* widget, Item item);
    // The field `make(setting, object name)` makes for the setting whose value is at `value`, bound to it.
    template <class Make>
    auto bound(const void* value, Make make);
    void noteCheck(QWidget* widget, FieldCheck check);
    // `refused`: the characters that cannot be typed.
    QLineEdit* makeText(QWidget* parent, const QString& name, FieldKind kind, int typingLimit, const QString& refused,
                        const QString& accessible);
    ChoiceBox* makeChoice(QWidget* parent, const QString& name, std::span<const std::string_view> choices,
                          bool editable, const QString& accessible);
    QLabel* makeValue(QWidget* parent, const QString& name, const QString& accessible);
    ListBox* makeList(QWidget* parent, const QString& name, int visibleRows, const QString& accessible,
                      QStringListModel* shared = nullptr);

    UnitConfiguration& config_;
    std::unordered_map<const void*, Item> byValue_;
    std::vector<BoundField> bound_;
    std::vector<CheckedField> checked_;
    std::vector<EventButton> eventButtons_;
    std::unordered_map<const EditorField*, QStringListModel*> sharedLists_;
    int listRowHeight_ = 0;
};

// The width of a field that shows `characters` characters.
int FieldWidth(const QWidget* field, int characters);

}  // namespace koru
