#pragma once

// The application's style with eight savings for a window of a thousand fields; everything else is the
// style's own drawing.
// - The panels of line edits, the frames of lists, the boxes of check boxes, the shapes of the tabs and
//   the scroll bars of lists and pages come from cached pictures. The window shows hundreds of them at
//   once (a mask grid alone has 24 cells a row), and the style draws each one's rounded, antialiased frame
//   or gradients anew on every paint: here a piece of one size and state is drawn once.
// - A large frame (around a list, a value or the tab pages) is put together from a picture of a small one,
//   where the style draws it the same all along its edges: the style draws its lines pixel by pixel, and
//   the first window's seven frames cost a fifth of its first paint.
// - Tall pieces are copied a few rows at a time: Qt hands a drawing of a hundred rows or more to other
//   threads, and waking them costs more than the drawing.
// - A group box's frame, which the style stretches from a small picture over the whole box (a faint tint
//   fills its inside), is kept whole as a picture once a box of its size has been painted before, and copied
//   a few rows at a time: the stretching of the page-sized boxes went to other threads on every paint of an
//   open. A size painted once only (a window being resized) is left to the style.
// - A list item that is one line of text keeps that line's layout and its size. The style lays out each
//   item's text twice on every paint (once to see whether it must be shortened, once to draw it) and again
//   to measure it, and a unit's lists show the same action texts again and again.
// - Text is not shaped where its script does not need it. Every text of a unit is Windows-1252, Latin
//   script, where shaping only fine-tunes the spacing of letters, and it costs more than the rest of
//   laying out a field's text: an open sets the texts of hundreds of fields.
// - Nor is text hinted: hinting fits each letter's outline to the pixels before it is first measured or
//   drawn, and the first window shows some fifty letters. Unhinted, they sit in the same places and look
//   alike, with softer edges.
// - The menu bar's overflow button gets its icon only when it is first drawn. Loading it wakes Qt's icon
//   and image plugins, at every start, for a button that shows only when the menus do not fit.

#include <QCache>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QProxyStyle>
#include <QSet>

#include <array>
#include <memory>
#include <optional>

class QStyleOptionViewItem;
class QTextLayout;

namespace koru {

class EditorStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    // The room for group box frames' pictures; the busiest page's box is some 4 MB.
    static constexpr qsizetype kGroupBoxFramesKilobytes = 16 * 1024;

    // One line of an item's text, laid out as the style lays it out.
    struct ItemText {
        QFont font;
        std::shared_ptr<QTextLayout> layout;
        QSize size;  // the line's extent, rounded as the style rounds it
        std::optional<QSize> itemSize;  // the whole item's size, as the style measured it once
    };

    // A frame's picture (`whole`, from which its ends are copied), the pieces that repeat along its sides,
    // by their place in a grid of up to three by three, and the colour that fills its inside.
    struct SlicedFrame {
        QPixmap whole;
        std::array<QPixmap, 9> pieces;
        QColor inside;
    };
    bool drawItemText(const QStyleOptionViewItem& item, QPainter* painter, const QWidget* widget) const;
    ItemText& itemText(const QString& text, const QFont& font) const;
    bool drawSliced(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                    const QWidget* widget) const;
    static SlicedFrame Slice(const QPixmap& picture, bool across, bool down);
    bool drawGroupBoxFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    mutable QHash<QString, ItemText> itemTexts_;
    mutable QHash<QString, SlicedFrame> slicedFrames_;
    mutable QCache<QString, QPixmap> groupBoxFrames_{kGroupBoxFramesKilobytes};
    mutable QSet<QString> groupBoxFramesSeen_;  // painted once, not kept yet
};

// Makes the application's style and font the editor's; the program calls it once, before its first window.
void UseEditorStyle();

}  // namespace koru
