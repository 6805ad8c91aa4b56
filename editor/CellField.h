#pragma once

// A mask cell: a text box of a character or two, of which a page shows hundreds. Cells show one of a
// handful of symbols ("-", "0", "1", "T"), so each look a cell has is drawn once, by the text box's own
// painting, and copied from then on. A cell being edited (with the focus or a selection) draws itself as
// any text box does.

#include <QLineEdit>

namespace koru {

class CellField : public QLineEdit {
public:
    explicit CellField(QWidget* parent = nullptr);

    // The number of looks kept since the program started.
    static int keptLooks();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString lookName() const;  // empty when this look is not kept
    bool drawKeptLook();
    void keepLook();

    // The font and style the cell draws with, as a short number for the look's name; 0 until asked for.
    mutable int fontId_ = 0;
    bool keeping_ = false;  // a picture of this cell's look is to be made
};

}  // namespace koru
