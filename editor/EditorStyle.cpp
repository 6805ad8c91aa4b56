#include "editor/EditorStyle.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIconEngine>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "editor/PictureKey.h"

namespace koru {

namespace {

// Texts kept for list items; beyond this the kept ones are dropped and kept anew.
constexpr qsizetype kMostItemTexts = 2048;

// Larger panels are few, and a picture of them would only take room in the cache; a thin piece (the
// scroll bar beside a page, the frame of a one-line value) is small however long.
constexpr int kLargestCached = 512;
constexpr int kThinnest = 64;
constexpr int kLongestThin = 2048;

// Qt hands a drawing of a hundred rows or more to other threads, which costs far more than the few pixels
// of each row of a piece: tall pieces are drawn kRowsAtOnce rows at a time.
constexpr int kRowsAtOnce = 32;

// A frame larger than kSliceSide is put together from a picture of one that size (small, for the same
// reason): corners of kSliceEdge pixels and edge pieces kSliceRun long.
constexpr int kSliceEdge = 4;
constexpr int kSliceRun = 16;
constexpr int kSliceSide = 2 * kSliceEdge + kSliceRun;
constexpr qsizetype kMostSlicedFrames = 64;

// Group box frames painted once and not kept yet; beyond this they are forgotten and counted anew.
constexpr qsizetype kMostFramesSeenOnce = 64;

// Whether the painter only places what it draws: no scaling, no transparency, no blending other than the
// ordinary one. Only then does a copied picture look as drawing it anew would.
bool OnlyPlaces(const QPainter* painter) {
    return painter->transform().type() <= QTransform::TxTranslate && painter->opacity() == 1.0 &&
           painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

// The same, for a piece small enough to keep as one picture.
bool OnlyPlaces(const QStyleOption* option, const QPainter* painter) {
    const QSize size = option->rect.size();
    const bool small = size.width() <= kLargestCached && size.height() <= kLargestCached;
    const bool thin = std::min(size.width(), size.height()) <= kThinnest &&
                      std::max(size.width(), size.height()) <= kLongestThin;
    if (option->rect.isEmpty() || !(small || thin)) return false;
    return OnlyPlaces(painter);
}

qreal PixelRatio(const QPainter* painter) {
    return painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
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

// A picture of what `draw` draws of `option`, at the pixel ratio `ratio`, on a transparent ground and with
// the painter's pen, brush and font.
template <class Draw>
QPixmap DrawnPicture(const QStyleOption* option, const QPainter* painter, qreal ratio, Draw draw) {
    QPixmap picture(option->rect.size() * ratio);
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
    return picture;
}

// Calls `draw(run, offset)` for `target` cut into runs of at most kRowsAtOnce rows, `offset` being the
// run's first row within `target`.
template <class Draw>
void InRuns(const QRect& target, Draw draw) {
    for (int offset = 0; offset < target.height(); offset += kRowsAtOnce) {
        const int rows = std::min(kRowsAtOnce, target.height() - offset);
        draw(QRect(target.left(), target.top() + offset, target.width(), rows), offset);
    }
}

// Copies `picture` to `target`, of its size, a few rows at a time.
void CopyInRuns(QPainter* painter, const QRect& target, const QPixmap& picture) {
    InRuns(target, [&](const QRect& run, int offset) {
        painter->drawPixmap(run.topLeft(), picture, QRect(0, offset, run.width(), run.height()));
    });
}

// Copies the picture of `element` as `option` asks for it to the option's place, drawing it with `draw`
// first if the cache lacks it.
template <class Draw>
void DrawCached(char16_t kind, int element, const QStyleOption* option, QPainter* painter, Draw draw) {
    const qreal ratio = PixelRatio(painter);
    const QString key = PictureKey(kind, element, option, ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = DrawnPicture(option, painter, ratio, draw);
        QPixmapCache::insert(key, picture);
    }
    if (ratio != 1.0) {
        painter->drawPixmap(option->rect.topLeft(), picture);
        return;
    }
    CopyInRuns(painter, option->rect, picture);
}

// Frames Fusion draws the same all along each edge beyond their corners, with one colour or nothing inside:
// the line around a list or a value, and the frame around the tab pages when no tab bar joins it.
bool MaySlice(QStyle::PrimitiveElement element, const QStyleOption* option, const QWidget* widget) {
    if (element == QStyle::PE_Frame) return qstyleoption_cast<const QStyleOptionFrame*>(option) != nullptr &&
                                            SameForEveryWidget(element, option, widget);
    if (element != QStyle::PE_FrameTabWidget) return false;
    // Without a tab bar shown no tab joins the frame (the chosen tab's place is then left over).
    const auto* pages = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option);
    return pages != nullptr && pages->tabBarRect.isEmpty() && pages->tabBarSize.isEmpty() &&
           pages->leftCornerWidgetSize.isEmpty() && pages->rightCornerWidgetSize.isEmpty();
}

// Calls `use` with a copy of `option`, of its own kind, placed at `rect`.
template <class Use>
void AtRect(const QStyleOption* option, const QRect& rect, Use use) {
    if (const auto* pages = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option)) {
        QStyleOptionTabWidgetFrame copy(*pages);
        copy.rect = rect;
        use(&copy);
    } else if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
        QStyleOptionFrame copy(*frame);
        copy.rect = rect;
        use(&copy);
    } else {
        QStyleOption copy(*option);
        copy.rect = rect;
        use(&copy);
    }
}

// One part of a frame's side: `length` pixels from `from` in the small picture, drawn `targetLength` long
// from `to`, repeated along the side when `repeats`.
struct SlicePart {
    int from;
    int length;
    int to;
    int targetLength;
    bool repeats;
};

// A frame's parts along a side `length` long. A side that does not repeat is one part; one that does is its
// two ends and the run between them.
std::vector<SlicePart> SliceParts(int length, bool repeats) {
    if (!repeats) return {{0, length, 0, length, false}};
    return {{0, kSliceEdge, 0, kSliceEdge, false},
            {kSliceEdge, kSliceRun, kSliceEdge, length - 2 * kSliceEdge, true},
            {kSliceSide - kSliceEdge, kSliceEdge, length - kSliceEdge, kSliceEdge, false}};
}

// Whether `base` is Fusion itself, which draws the frames that are put together from pieces with straight
// lines; another style may shade them or mark a place along an edge.
bool IsFusion(const QStyle* base) { return qstrcmp(base->metaObject()->className(), "QFusionStyle") == 0; }

}  // namespace

// The pieces of a small frame's picture, for a frame that repeats across and (or) down.
EditorStyle::SlicedFrame EditorStyle::Slice(const QPixmap& picture, bool across, bool down) {
    SlicedFrame sliced{picture, {}, {}};
    std::size_t index = 0;
    for (const SlicePart& row : SliceParts(picture.height(), down)) {
        for (const SlicePart& column : SliceParts(picture.width(), across)) {
            // The ends are copied from the whole picture.
            const QRect source(column.from, row.from, column.length, row.length);
            if (column.repeats && row.repeats) {
                sliced.inside = picture.toImage().pixelColor(source.topLeft());
            } else if (column.repeats || row.repeats) {
                sliced.pieces[index] = picture.copy(source);
            }
            ++index;
        }
    }
    return sliced;
}

// A large frame put together from a small one's picture: its corners copied, its edges repeated along
// the frame, its inside filled with its one colour. False, drawing nothing, for other frames and styles,
// and where a copied picture would not look the same.
bool EditorStyle::drawSliced(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const QRect& rect = option->rect;
    if (rect.isEmpty() || !OnlyPlaces(painter) || PixelRatio(painter) != 1.0) return false;
    const bool across = rect.width() > kSliceSide;
    const bool down = rect.height() > kSliceSide;
    if ((!across && !down) || !MaySlice(element, option, widget) || !IsFusion(baseStyle())) return false;

    const QSize small(across ? kSliceSide : rect.width(), down ? kSliceSide : rect.height());
    const SlicedFrame* sliced = nullptr;
    AtRect(option, QRect(rect.topLeft(), small), [&](const QStyleOption* smallOption) {
        // Which sides repeat is part of the pieces' name: across (A), down (D) or both (B).
        const char16_t repeats = !down ? u'A' : !across ? u'D' : u'B';
        const QString key = PictureKey(repeats, element, smallOption, 1.0);
        auto found = slicedFrames_.find(key);
        if (found == slicedFrames_.end()) {
            if (slicedFrames_.size() >= kMostSlicedFrames) slicedFrames_.clear();
            const QPixmap picture = DrawnPicture(smallOption, painter, 1.0, [&](QPainter* onPicture) {
                QProxyStyle::drawPrimitive(element, smallOption, onPicture, widget);
            });
            found = slicedFrames_.insert(key, Slice(picture, across, down));
        }
        sliced = &*found;
    });

    // A widget paints only where no child covers it: the pieces outside are not drawn at all.
    const QRegion shown = painter->paintEngine() != nullptr ? painter->paintEngine()->systemClip() : QRegion();
    const auto isShown = [&](const QRect& target) {
        return shown.isEmpty() || shown.intersects(painter->deviceTransform().mapRect(target));
    };
    std::size_t index = 0;
    for (const SlicePart& row : SliceParts(rect.height(), down)) {
        for (const SlicePart& column : SliceParts(rect.width(), across)) {
            const QRect target(rect.left() + column.to, rect.top() + row.to, column.targetLength, row.targetLength);
            const QPixmap& piece = sliced->pieces[index++];
            if (!isShown(target) || (column.repeats && row.repeats && sliced->inside.alpha() == 0)) continue;
            InRuns(target, [&](const QRect& run, int offset) {
                if (column.repeats && row.repeats) {
                    painter->fillRect(run, sliced->inside);
                } else if (column.repeats || row.repeats) {
                    painter->drawTiledPixmap(run, piece, QPoint(0, offset));
                } else {
                    painter->drawPixmap(run.topLeft(), sliced->whole,
                                        QRect(column.from, row.from + offset, column.length, run.height()));
                }
            });
        }
    }
    return true;
}

// A group box's frame from its whole picture, kept once a frame of its size and state is painted the second
// time. False, drawing nothing, for the first time, for styles other than Fusion and where a copied picture
// would not look the same.
bool EditorStyle::drawGroupBoxFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
    const QRect& rect = option->rect;
    if (rect.isEmpty() || !OnlyPlaces(painter) || PixelRatio(painter) != 1.0 || !IsFusion(baseStyle())) return false;
    const qsizetype kilobytes = static_cast<qsizetype>(rect.width()) * rect.height() * 4 / 1024 + 1;
    if (kilobytes > groupBoxFrames_.maxCost()) return false;
    // Fusion leaves room above the frame for the title or check box, unless the box has neither.
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool untitled = box != nullptr && !box->isCheckable() && box->title().isEmpty();
    const QString key = PictureKey(u'G', PE_FrameGroupBox, option, 1.0) + QChar(untitled ? u'u' : u't') +
                        QChar(static_cast<char16_t>(option->fontMetrics.height()));
    const QPixmap* picture = groupBoxFrames_.object(key);
    if (picture == nullptr) {
        if (!groupBoxFramesSeen_.contains(key)) {
            if (groupBoxFramesSeen_.size() >= kMostFramesSeenOnce) groupBoxFramesSeen_.clear();
            groupBoxFramesSeen_.insert(key);
            return false;
        }
        groupBoxFramesSeen_.remove(key);
        groupBoxFrames_.insert(key, new QPixmap(DrawnPicture(option, painter, 1.0, [&](QPainter* onPicture) {
                                   QProxyStyle::drawPrimitive(PE_FrameGroupBox, option, onPicture, widget);
                               })),
                               kilobytes);
        picture = groupBoxFrames_.object(key);
    }
    CopyInRuns(painter, rect, *picture);
    return true;
}

namespace {

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
    if (option == nullptr || painter == nullptr) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (element == PE_FrameGroupBox && drawGroupBoxFrame(option, painter, widget)) return;
    if (!OnlyPlaces(option, painter) || !SameForEveryWidget(element, option, widget)) {
        if (!drawSliced(element, option, painter, widget)) QProxyStyle::drawPrimitive(element, option, painter, widget);
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
                   widget != nullptr && option->rect == widget->rect() && OnlyPlaces(option, painter)) {
            // Only a tab that is a widget of its own: a tab bar's tab reaches into its neighbour's place.
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
    font.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(font);
}

}  // namespace koru
