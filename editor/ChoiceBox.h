#pragma once

// A drop-down that shows every value it is given. A value outside its list (a hand-edited file, an older
// unit) is shown as one more item after the list and kept as it stands, instead of the first item taking
// its place as a plain non-editable QComboBox would do.

#include <QComboBox>
#include <QStringList>

namespace koru {

class ChoiceBox : public QComboBox {
    Q_OBJECT

public:
    // An editable box also takes typed text (a typing validator keeps it to Windows-1252 characters).
    ChoiceBox(const QStringList& items, bool editable, QWidget* parent);

    // Shows `text`: its item when the list has it, otherwise the extra item holding it.
    void setValue(const QString& text);
    QString value() const { return currentText(); }

    // Says what the box is to assistive tools: its accessible name and description, and its text field's name.
    // Qt's Linux bridge shows a drop-down's current choice as its name, so the description carries the caption.
    void setCaption(const QString& caption);

    // Whether the box now shows a value that is not one of its items.
    bool showsOffListValue() const;

private:
    int listed_;  // items of the list proper; an item beyond them holds an off-list value
};

}  // namespace koru
