#include "editor/TabButton.h"

#include <QPainter>
#include <QPixmapCache>
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

// The tab's shape, shaded and rounded, is the costliest drawing of the window and the same for every tab of
// one size and state, so it is drawn once into a cached picture; the caption is drawn on it each time.
void TabButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTab option;
    initStyleOption(&option);
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("koru-tab-%1x%2-%3-%4-%5")
                            .arg(width())
                            .arg(height())
                            .arg(static_cast<int>(option.state))
                            .arg(option.palette.cacheKey())
                            .arg(ratio);
    QPixmap shape;
    if (!QPixmapCache::find(key, &shape)) {
        shape = QPixmap(size() * ratio);
        shape.setDevicePixelRatio(ratio);
        shape.fill(Qt::transparent);
        QPainter onShape(&shape);
        style()->drawControl(QStyle::CE_TabBarTabShape, &option, &onShape, this);
        onShape.end();
        QPixmapCache::insert(key, shape);
    }
    painter.drawPixmap(0, 0, shape);
    painter.drawControl(QStyle::CE_TabBarTabLabel, option);
}

}  // namespace koru
