#pragma once

// A check box of the window's fields. Each time a check box is switched off, Qt looks for its auto-exclusive
// siblings among every widget of its parent, which for a box on a busy page is the whole page, and opening a
// unit switches dozens of boxes. A box in a button group of its own skips that search; the arrow keys still
// move the focus on, as on any other check box.

#include <QCheckBox>

namespace koru {

class FlagBox : public QCheckBox {
    Q_OBJECT

public:
    FlagBox(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace koru
