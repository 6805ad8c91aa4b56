#include "editor/EditorStyle.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>

#include <array>
#include <optional>

namespace koru {

namespace {

// Larger panels are few, and a picture of them would only take room in the cache.
constexpr int kLargestCached = 512;

// Whether `element` is drawn the same for every widget whose option is the same, and the painter only
// places it: no scaling, no transparency, no blending other than the ordinary one.
bool Cacheable(QStyle::PrimitiveElement element, const QStyleOption* option, const QPainter* painter,
               const QWidget* widget) {
    if (option->rect.isEmpty() || option->rect.width() > kLargestCached || option->rect.height() > kLargestCached) {
        return false;
    }
    if (painter->transform().type() > QTransform::TxTranslate || painter->opacity() != 1.0 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver) {
        return false;
    }
    switch (element) {
        case QStyle::PE_PanelLineEdit: {
            // A spin box or drop-down draws its line edit's panel its own way: that one is left to the style.
            const QWidget* holder = widget != nullptr ? widget->parentWidget() : nullptr;
            return qstyleoption_cast<const QStyleOptionFrame*>(option) != nullptr &&
                   qobject_cast<const QAbstractSpinBox*>(holder) == nullptr &&
                   qobject_cast<const QComboBox*>(holder) == nullptr;
        }
        case QStyle::PE_IndicatorCheckBox: return true;
        default: return false;
    }
}

// The picture's name in the cache: everything the drawing depends on, packed as characters rather than
// formatted, since it is made for every panel painted.
QString PictureKey(QStyle::PrimitiveElement element, const QStyleOption* option, qreal ratio) {
    std::array<char16_t, 20> key{};
    std::size_t length = 0;
    const auto add = [&](quint64 value, int characters) {
        for (int i = 0; i < characters; ++i) key[length++] = static_cast<char16_t>((value >> (16 * i)) & 0xFFFF);
    };
    add(static_cast<quint64>(element), 1);
    add(static_cast<quint64>(option->rect.width()), 1);
    add(static_cast<quint64>(option->rect.height()), 1);
    add(static_cast<quint64>(option->state.toInt()), 2);
    add(static_cast<quint64>(option->palette.cacheKey()), 4);
    add(static_cast<quint64>(option->direction), 1);
    add(static_cast<quint64>(qRound(ratio * 100)), 1);
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
        add(static_cast<quint64>(frame->lineWidth), 1);
        add(static_cast<quint64>(frame->midLineWidth), 1);
        add(static_cast<quint64>(frame->features.toInt()), 1);
    }
    return QStringLiteral("koru-panel-") + QString::fromUtf16(key.data(), static_cast<qsizetype>(length));
}

// An icon of the style, asked for when it is first drawn or measured.
class DeferredIcon : public QIconEngine {
public:
    DeferredIcon(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIcon(style_, which_); }

private:
    const QIcon& icon() {
        if (!icon_) icon_ = style_->standardIcon(which_);
        return *icon_;
    }

    const QStyle* style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> icon_;
};

}  // namespace

QIcon EditorStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton && option == nullptr) {
        return QIcon(new DeferredIcon(baseStyle(), icon));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void EditorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    if (option == nullptr || painter == nullptr || !Cacheable(element, option, painter, widget)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    const QString key = PictureKey(element, option, ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(option->rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter onPicture(&picture);
        onPicture.setRenderHints(painter->renderHints());
        onPicture.setPen(painter->pen());
        onPicture.setBrush(painter->brush());
        onPicture.setFont(painter->font());
        onPicture.translate(-option->rect.topLeft());
        QProxyStyle::drawPrimitive(element, option, &onPicture, widget);
        onPicture.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(option->rect.topLeft(), picture);
}

void UseEditorStyle() {
    if (qobject_cast<EditorStyle*>(QApplication::style()) != nullptr) return;
    QApplication::setStyle(new EditorStyle(QApplication::style()->name()));
}

}  // namespace koru
