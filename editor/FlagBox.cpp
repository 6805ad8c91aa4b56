#include "editor/FlagBox.h"

#include <QButtonGroup>
#include <QKeyEvent>

namespace koru {

FlagBox::FlagBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    auto* own = new QButtonGroup(this);
    own->setExclusive(false);
    own->addButton(this);
}

// In a group the arrow keys would look for the next box of the group. Like a box without one, Up and Left
// (Right when written right to left) move the focus to the control before, and the other arrows to the next.
void FlagBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down) {
        QCheckBox::keyPressEvent(event);
        return;
    }
    const QWidget* holder = parentWidget() != nullptr ? parentWidget() : this;
    const bool reverse = holder->layoutDirection() == Qt::RightToLeft;
    const bool back = key == Qt::Key_Up || (key == Qt::Key_Left && !reverse) || (key == Qt::Key_Right && reverse);
    focusNextPrevChild(!back);
}

}  // namespace koru
