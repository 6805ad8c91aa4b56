#pragma once

// The application's style, with the panels of line edits and the boxes of check boxes drawn from cached
// pictures. The window shows hundreds of them at once (a mask grid alone has 24 cells a row), and the
// style draws each one's rounded, antialiased frame anew on every paint: here a panel of one size and
// state is drawn once, and copied after. Everything else is the style's own drawing.

#include <QProxyStyle>

namespace koru {

class CachedPanelsStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Makes the application's style the cached one; the program calls it once, before its first window.
void UseCachedPanels();

}  // namespace koru
