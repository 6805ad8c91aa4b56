#pragma once

// A list box of texts over a string model: filling it sets one list of strings instead of making an item
// widget per row, so a library of thousands of units fills its lists at once. Several list boxes may show
// one shared model (the library's units on more than one tab). The texts are read only.

#include <QListView>
#include <QStringList>

class QStringListModel;

namespace koru {

// Gives `model` exactly these texts; false when it held them already (nothing changed, the selection stays).
bool SetTexts(QStringListModel& model, const QStringList& texts);

class ListBox : public QListView {
    Q_OBJECT

public:
    // Shows `shared` when given (the model's owner fills it), otherwise a model of its own.
    explicit ListBox(QWidget* parent, QStringListModel* shared = nullptr);

    // Shows exactly these texts; false when it showed them already (nothing changed).
    bool setTexts(const QStringList& texts);
    QStringList texts() const;
    int count() const;

    // The current row, which a click or setCurrentRow() also selects; -1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);

    // The height of a row showing `text`, measured as the list measures its rows.
    int rowHeightFor(const QString& text) const;

    // Lays out rows whose texts changed now rather than on the view's next turn of the event loop, so a
    // window that changed many lists at once paints each of them once, already laid out.
    void layOutChangedRows() { executeDelayedItemsLayout(); }

private:
    QStringListModel* texts_;
};

}  // namespace koru
