#include "editor/CellField.h"

#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QScopeGuard>
#include <QSet>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <array>

#include "editor/PictureKey.h"

namespace koru {

namespace {

// A cell's symbol is a character; a hand-edited file may give it a few more, whose looks are not kept.
constexpr qsizetype kLongestKept = 2;

// The room QLineEdit leaves on each side of its text.
constexpr int kTextMargin = 2;

// Looks that cannot be kept (the text does not fit the cell, and a text box would scroll it), so that they
// are not tried again at every paint; beyond this they are forgotten.
constexpr qsizetype kMostUnkept = 256;

int& KeptLooks() {
    static int kept = 0;
    return kept;
}

QSet<QString>& Unkept() {
    static QSet<QString> unkept;
    return unkept;
}

// A short number for a font and style, so that a look's name need not spell out the font.
int FontId(const QFont& font, const QStyle* style) {
    static QHash<QString, int> ids;
    const QString key = font.key() + QLatin1Char('|') + QString::number(reinterpret_cast<quintptr>(style), 16);
    auto found = ids.constFind(key);
    if (found == ids.cend()) found = ids.insert(key, static_cast<int>(ids.size()) + 1);
    return *found;
}

}  // namespace

CellField::CellField(QWidget* parent) : QLineEdit(parent) {}

int CellField::keptLooks() { return KeptLooks(); }

void CellField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fontId_ = 0;
    QLineEdit::changeEvent(event);
}

void CellField::paintEvent(QPaintEvent* event) {
    if (drawKeptLook()) return;
    QLineEdit::paintEvent(event);
}

QString CellField::lookName() const {
    const QString shown = text();
    if (hasFocus() || hasSelectedText() || shown.size() > kLongestKept ||
        (shown.isEmpty() && !placeholderText().isEmpty()) || echoMode() != Normal || !inputMask().isEmpty() ||
        !actions().isEmpty() || devicePixelRatioF() != 1.0) {
        return {};
    }
    if (fontId_ == 0) fontId_ = FontId(font(), style());
    QStyleOptionFrame option;
    initStyleOption(&option);
    // Beyond what the style is told: where the text sits, and in which font.
    const QMargins margins = textMargins();
    const std::array<char16_t, 6> placed = {
        static_cast<char16_t>(alignment().toInt()), static_cast<char16_t>(fontId_),
        static_cast<char16_t>(margins.left()),      static_cast<char16_t>(margins.top()),
        static_cast<char16_t>(margins.right()),     static_cast<char16_t>(margins.bottom())};
    return PictureKey(u'C', 0, &option, 1.0) + QString::fromUtf16(placed.data(), placed.size()) + shown;
}

bool CellField::drawKeptLook() {
    const QString name = lookName();
    if (name.isEmpty()) return false;
    QPixmap picture;
    if (!QPixmapCache::find(name, &picture)) {
        // The picture is made once this paint is over: a widget cannot draw itself while it is painted.
        if (!keeping_ && !Unkept().contains(name)) {
            keeping_ = true;
            QTimer::singleShot(0, this, &CellField::keepLook);
        }
        return false;
    }
    QPainter painter(this);
    // Where the painter scales or blends, the copy would not look as the drawing does.
    if (painter.deviceTransform().type() > QTransform::TxTranslate || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver) {
        return false;
    }
    painter.drawPixmap(0, 0, picture);
    return true;
}

void CellField::keepLook() {
    // Until it ends, the cell's paints (the one below among them) ask for no other picture.
    const auto done = qScopeGuard([this] { keeping_ = false; });
    const QString name = lookName();
    QPixmap picture;
    if (name.isEmpty() || Unkept().contains(name) || QPixmapCache::find(name, &picture)) return;

    // A text too wide for the cell is scrolled to where it was typed: its look depends on more than the cell.
    // One that fits is placed by its alignment alone (a pixel is spared for rounding).
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int room = contents.marginsRemoved(textMargins()).width() - 2 * kTextMargin;
    if (fontMetrics().horizontalAdvance(text()) + 2 > room) {
        if (Unkept().size() >= kMostUnkept) Unkept().clear();
        Unkept().insert(name);
        return;
    }

    picture = QPixmap(size());
    picture.fill(Qt::transparent);
    render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());  // draws itself: the picture is not kept yet
    QPixmapCache::insert(name, picture);
    ++KeptLooks();
}

}  // namespace koru
