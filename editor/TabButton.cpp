#include "editor/TabButton.h"

#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace koru {

TabButton::TabButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TabButton::initStyleOption(QStyleOptionTab* option) const {
    option->initFrom(this);
    option->shape = QTabBar::RoundedNorth;
    option->text = text();
    option->position = QStyleOptionTab::Middle;
    option->documentMode = false;
    if (isChecked()) option->state |= QStyle::State_Selected;
    if (isDown()) option->state |= QStyle::State_Sunken;
}

QSize TabButton::sizeHint() const {
    QStyleOptionTab option;
    initStyleOption(&option);
    const QSize label = fontMetrics().size(Qt::TextShowMnemonic, text());
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, QSize(label.width() + 24, label.height() + 8),
                                     this);
}

void TabButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTab option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_TabBarTab, option);
}

}  // namespace koru
