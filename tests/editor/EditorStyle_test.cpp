#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmapCache>
#include <QSpinBox>
#include <QStyleFactory>

#include <functional>
#include <memory>

#include "editor/EditorStyle.h"
#include "editor/TabButton.h"

namespace koru {
namespace {

// The widget as a picture, drawn by `style` (its parts too: a drop-down's line edit).
QImage Drawn(QWidget& widget, QStyle* style) {
    widget.setStyle(style);
    for (QWidget* part : widget.findChildren<QWidget*>()) part->setStyle(style);
    widget.resize(widget.sizeHint().expandedTo(QSize(widget.sizeHint().width(), 24)));
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// How many pixels differ by more than one step in a channel: blending a cached picture may round an
// antialiased edge differently, never more.
int DifferentPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 1 || std::abs(qGreen(p) - qGreen(q)) > 1 ||
                std::abs(qBlue(p) - qBlue(q)) > 1 || std::abs(qAlpha(p) - qAlpha(q)) > 1) {
                ++different;
            }
        }
    }
    return different;
}

struct Case {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

// Each widget looks the same with the cached pieces as with the style's own drawing, the second time too
// (from the cache), and one state's picture is never shown for another.
TEST(EditorStyle, PanelsLookAsTheStyleDrawsThem) {
    const auto edit = [](auto&& change) {
        return [change] {
            auto field = std::make_unique<QLineEdit>(QStringLiteral("1"));
            change(*field);
            return std::unique_ptr<QWidget>(std::move(field));
        };
    };
    const auto box = [](Qt::CheckState state, bool enabled) {
        return [state, enabled] {
            auto check = std::make_unique<QCheckBox>(QStringLiteral("On Mask 1"));
            check->setTristate(state == Qt::PartiallyChecked);
            check->setCheckState(state);
            check->setEnabled(enabled);
            return std::unique_ptr<QWidget>(std::move(check));
        };
    };
    const auto tab = [](bool chosen) {
        return [chosen] {
            auto button = std::make_unique<TabButton>(QStringLiteral("I/O and sleep events"), nullptr);
            button->setChecked(chosen);
            button->setMinimumWidth(320);
            return std::unique_ptr<QWidget>(std::move(button));
        };
    };
    const Case cases[] = {
        {"line edit", edit([](QLineEdit&) {})},
        {"disabled line edit", edit([](QLineEdit& field) { field.setEnabled(false); })},
        {"read-only line edit", edit([](QLineEdit& field) { field.setReadOnly(true); })},
        {"line edit without frame", edit([](QLineEdit& field) { field.setFrame(false); })},
        {"wide line edit", edit([](QLineEdit& field) { field.setMinimumWidth(400); })},
        {"check box on", box(Qt::Checked, true)},
        {"check box off", box(Qt::Unchecked, true)},
        {"check box partly", box(Qt::PartiallyChecked, true)},
        {"disabled check box on", box(Qt::Checked, false)},
        {"editable drop-down",
         [] {
             auto choice = std::make_unique<QComboBox>();
             choice->setEditable(true);
             choice->addItems({QStringLiteral("1"), QStringLiteral("2")});
             return std::unique_ptr<QWidget>(std::move(choice));
         }},
        {"spin box", [] { return std::unique_ptr<QWidget>(std::make_unique<QSpinBox>()); }},
        {"tab", tab(false)},
        {"chosen tab", tab(true)},
    };
    std::unique_ptr<QStyle> own(QStyleFactory::create(QApplication::style()->name()));
    EditorStyle cached(QApplication::style()->name());
    QPixmapCache::clear();
    for (const Case& c : cases) {
        const std::unique_ptr<QWidget> widget = c.make();
        const QImage expected = Drawn(*widget, own.get());
        EXPECT_EQ(DifferentPixels(Drawn(*widget, &cached), expected), 0) << c.name;
        EXPECT_EQ(DifferentPixels(Drawn(*widget, &cached), expected), 0) << c.name << ", from the cache";
    }
}

// The menu bar's overflow button gets the style's own icon, loaded when it is first drawn.
TEST(EditorStyle, TheOverflowIconIsTheStylesOwn) {
    std::unique_ptr<QStyle> own(QStyleFactory::create(QApplication::style()->name()));
    EditorStyle editor(QApplication::style()->name());
    const QIcon expected = own->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon deferred = editor.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(deferred.isNull());
    for (const int side : {8, 16, 32}) {
        const QSize size(side, side);
        EXPECT_EQ(deferred.actualSize(size), expected.actualSize(size)) << side;
        EXPECT_EQ(deferred.pixmap(size).toImage(), expected.pixmap(size).toImage()) << side;
        EXPECT_EQ(deferred.pixmap(size, QIcon::Disabled).toImage(), expected.pixmap(size, QIcon::Disabled).toImage())
            << side;
    }
}

}  // namespace
}  // namespace koru
