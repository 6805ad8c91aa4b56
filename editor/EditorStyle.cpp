#include "editor/EditorStyle.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <optional>

namespace koru {

namespace {

// Texts kept for list items; beyond this the kept ones are dropped and kept anew.
constexpr qsizetype kMostItemTexts = 2048;

// Larger panels are few, and a picture of them would only take room in the cache.
constexpr int kLargestCached = 512;

// Whether the painter only places what it draws: no scaling, no transparency, no blending other than the
// ordinary one. Only then does a copied picture look as drawing it anew would.
bool OnlyPlaces(const QStyleOption* option, const QPainter* painter) {
    if (option->rect.isEmpty() || option->rect.width() > kLargestCached || option->rect.height() > kLargestCached) {
        return false;
    }
    return painter->transform().type() <= QTransform::TxTranslate && painter->opacity() == 1.0 &&
           painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

// Whether `element` is drawn the same for every widget whose option is the same.
bool SameForEveryWidget(QStyle::PrimitiveElement element, const QStyleOption* option, const QWidget* widget) {
    switch (element) {
        case QStyle::PE_PanelLineEdit: {
            // A spin box or drop-down draws its line edit's panel its own way: that one is left to the style.
            const QWidget* holder = widget != nullptr ? widget->parentWidget() : nullptr;
            return qstyleoption_cast<const QStyleOptionFrame*>(option) != nullptr &&
                   qobject_cast<const QAbstractSpinBox*>(holder) == nullptr &&
                   qobject_cast<const QComboBox*>(holder) == nullptr;
        }
        case QStyle::PE_IndicatorCheckBox: return true;
        // A list's frame; a drop-down's popup list draws a menu's panel instead.
        case QStyle::PE_Frame: return widget == nullptr || !widget->inherits("QComboBoxPrivateContainer");
        default: return false;
    }
}

// The picture's name in the cache: what is drawn (`kind` tells primitives, controls and complex controls
// apart) and everything the drawing depends on, packed as characters rather than formatted, since it is made for every piece painted.
QString PictureKey(char16_t kind, int element, const QStyleOption* option, qreal ratio) {
    std::array<char16_t, 32> key{};
    std::size_t length = 0;
    const auto add = [&](quint64 value, int characters) {
        for (int i = 0; i < characters; ++i) key[length++] = static_cast<char16_t>((value >> (16 * i)) & 0xFFFF);
    };
    add(kind, 1);
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
    if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
        add(static_cast<quint64>(tab->shape), 1);
        add(static_cast<quint64>(tab->position), 1);
        add(static_cast<quint64>(tab->selectedPosition), 1);
        add(static_cast<quint64>(tab->documentMode) | (static_cast<quint64>(tab->features.toInt()) << 1), 1);
    }
    if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
        add(static_cast<quint64>(slider->orientation) | (static_cast<quint64>(slider->upsideDown) << 4), 1);
        add(static_cast<quint32>(slider->subControls.toInt()), 2);
        add(static_cast<quint32>(slider->activeSubControls.toInt()), 2);
        for (const int value : {slider->minimum, slider->maximum, slider->sliderPosition, slider->sliderValue,
                                slider->singleStep, slider->pageStep}) {
            add(static_cast<quint32>(value), 2);
        }
    }
    return QStringLiteral("koru-piece-") + QString::fromUtf16(key.data(), static_cast<qsizetype>(length));
}

// Copies the picture of `element` as `option` asks for it to the option's place, drawing it with `draw`
// first if the cache lacks it.
template <class Draw>
void DrawCached(char16_t kind, int element, const QStyleOption* option, QPainter* painter, Draw draw) {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    const QString key = PictureKey(kind, element, option, ratio);
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
        draw(&onPicture);
        onPicture.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(option->rect.topLeft(), picture);
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
    if (option == nullptr || painter == nullptr || !OnlyPlaces(option, painter) ||
        !SameForEveryWidget(element, option, widget)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    DrawCached(u'P', element, option, painter,
               [&](QPainter* onPicture) { QProxyStyle::drawPrimitive(element, option, onPicture, widget); });
}

namespace {

// An item the style lays out as one line of text, left to right: no check box, icon, wrapping or editor.
bool IsOneLineOfText(const QStyleOptionViewItem& item) {
    constexpr auto kOtherParts = QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasCheckIndicator |
                                 QStyleOptionViewItem::HasDecoration;
    if (item.text.isEmpty() || (item.features & kOtherParts) || !item.icon.isNull() ||
        (item.state & QStyle::State_Editing) || item.direction != Qt::LeftToRight ||
        item.displayAlignment != (Qt::AlignLeft | Qt::AlignVCenter)) {
        return false;
    }
    // Line breaks and tabs are laid out by rules of their own.
    return std::none_of(item.text.cbegin(), item.text.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
}

}  // namespace

EditorStyle::ItemText& EditorStyle::itemText(const QString& text, const QFont& font) const {
    auto kept = itemTexts_.find(text);
    if (kept != itemTexts_.end() && kept->font == font) return *kept;
    if (itemTexts_.size() >= kMostItemTexts) itemTexts_.clear();
    auto layout = std::make_shared<QTextLayout>(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);  // keeps the shaped glyphs, which a layout otherwise shapes again to draw
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(1e6);  // one line, however long: the width only places a line that is not left aligned
    line.setPosition(QPointF(0, 0));
    layout->endLayout();
    const QSize size = QSizeF(line.naturalTextWidth(), line.height()).toSize();
    return *itemTexts_.insert(text, ItemText{font, std::move(layout), size, std::nullopt});
}

// Draws a list item of one line of text with its kept layout: the style draws the rest of the item (its
// background) and the line goes where the style puts it. False, drawing nothing, for any other item and
// for a text too long for its item, which the style shortens.
bool EditorStyle::drawItemText(const QStyleOptionViewItem& item, QPainter* painter, const QWidget* widget) const {
    // The chosen item and the one with the focus are left to the style: it fits their marks to the text.
    if (!IsOneLineOfText(item) || (item.state & (State_Selected | State_HasFocus))) return false;
    const int margin = proxy()->pixelMetric(PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = item.rect.adjusted(margin, 0, -margin, 0);
    // Copies, not a reference: the kept texts may change while the style draws the rest of the item.
    const ItemText text = itemText(item.text, item.font);
    if (text.size.width() >= textRect.width() || text.size.height() > textRect.height()) return false;

    QStyleOptionViewItem withoutText(item);
    withoutText.text.clear();
    QProxyStyle::drawControl(CE_ItemViewItem, &withoutText, painter, widget);

    QPalette::ColorGroup group = (item.state & State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(item.state & State_Active)) group = QPalette::Inactive;
    painter->save();
    painter->setPen(item.palette.color(group, QPalette::Text));
    const int top = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignVCenter, text.size, textRect).top();
    text.layout->draw(painter, QPointF(textRect.x(), top));
    painter->restore();
    return true;
}

// An item's size, asked for without a size of its contents as item views do, depends only on its text and
// font while it is one line of text: the style measures each text once.
QSize EditorStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                    const QWidget* widget) const {
    const auto* item = type == CT_ItemViewItem ? qstyleoption_cast<const QStyleOptionViewItem*>(option) : nullptr;
    if (item == nullptr || size.isValid() || !IsOneLineOfText(*item)) {
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    if (const std::optional<QSize> kept = itemText(item->text, item->font).itemSize) return *kept;
    const QSize measured = QProxyStyle::sizeFromContents(type, option, size, widget);
    itemText(item->text, item->font).itemSize = measured;
    return measured;
}

// A list item of one line of text is drawn from its kept layout. A tab's shaded, rounded shape is drawn the
// same for every tab of one size and state (its caption is not part of it), so it comes from a cached picture.
void EditorStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    if (option != nullptr && painter != nullptr) {
        if (element == CE_ItemViewItem) {
            const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
            if (item != nullptr && drawItemText(*item, painter, widget)) return;
        } else if (element == CE_TabBarTabShape && qstyleoption_cast<const QStyleOptionTab*>(option) != nullptr &&
                   OnlyPlaces(option, painter)) {
            DrawCached(u'C', element, option, painter,
                       [&](QPainter* onPicture) { QProxyStyle::drawControl(element, option, onPicture, widget); });
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

// A scroll bar is drawn the same for every one of one size, state and position: gradients and arrows that
// cost more than a list's items.
void EditorStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const {
    // A scroll bar that fades in and out is drawn by its animation's progress, which the option does not hold.
    if (control == CC_ScrollBar && qstyleoption_cast<const QStyleOptionSlider*>(option) != nullptr &&
        painter != nullptr && OnlyPlaces(option, painter) &&
        proxy()->styleHint(SH_ScrollBar_Transient, option, widget) == 0) {
        DrawCached(u'X', control, option, painter, [&](QPainter* onPicture) {
            QProxyStyle::drawComplexControl(control, option, onPicture, widget);
        });
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void UseEditorStyle() {
    if (qobject_cast<EditorStyle*>(QApplication::style()) != nullptr) return;
    QApplication::setStyle(new EditorStyle(QApplication::style()->name()));
    // A script that needs shaping (Arabic, say, in a folder's name) is still shaped.
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

}  // namespace koru
