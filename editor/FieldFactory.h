#pragma once

// Makes the window's controls as the setting catalog and the editor's own table describe them: the object
// name, the kind of widget, the drop-down items, the typing limit with its Windows-1252 validator and the
// accessible name. The tabs only decide where each control stands.

#include <QString>

#include <string_view>

#include "editor/ControlSet.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace koru {

class ChoiceBox;

class FieldFactory {
public:
    explicit FieldFactory(ControlSet& controls) : controls_(controls) {}

    // A text, number or cell field. `accessible` names the field for assistive tools (caption and row).
    QLineEdit* text(QWidget* parent, std::string_view control, int index, const QString& accessible);
    ChoiceBox* choice(QWidget* parent, std::string_view control, int index, const QString& accessible);
    QCheckBox* flag(QWidget* parent, std::string_view control, int index, const QString& caption,
                    const QString& accessible = {});
    QRadioButton* option(QWidget* parent, std::string_view control, int index, const QString& caption,
                         const QString& accessible = {});
    QListWidget* list(QWidget* parent, std::string_view control, int index, int visibleRows,
                      const QString& accessible);
    // A text the program sets and the window only shows; `accessible` becomes its description, so assistive
    // tools read the text itself as its name.
    QLabel* value(QWidget* parent, std::string_view control, int index, const QString& accessible);
    // A button whose work another part of the editor provides: it stays disabled until that part enables it.
    QPushButton* button(QWidget* parent, std::string_view control, int index, const QString& caption,
                        const QString& accessible = {});
    // A container without a caption, shown or hidden as a whole.
    QWidget* frame(QWidget* parent, std::string_view control, int index = -1);
    // A captioned frame; `control` may be empty when the frame has no name of its own.
    QGroupBox* group(QWidget* parent, const QString& caption, std::string_view control = {}, int index = -1);
    // A caption label standing for `buddy`.
    static QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy = nullptr);

    ControlSet& controls() { return controls_; }

private:
    ControlSet& controls_;
    int listRowHeight_ = 0;
};

// The width of a field that shows `characters` characters.
int FieldWidth(const QWidget* field, int characters);

}  // namespace koru
