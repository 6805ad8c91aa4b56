#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QListView>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleFactory>
#include <QStringListModel>
#include <QTabBar>
#include <QTabWidget>

#include <functional>
#include <memory>

#include "editor/EditorStyle.h"
#include "editor/TabButton.h"

namespace koru {
namespace {

// The style the editor's draws with: Qt's own for this platform (the tests run with the editor's style).
QString BaseStyleName() {
    const auto* editor = qobject_cast<const QProxyStyle*>(QApplication::style());
    const QString name = (editor != nullptr ? editor->baseStyle() : QApplication::style())->name();
    EXPECT_NE(std::unique_ptr<QStyle>(QStyleFactory::create(name)), nullptr) << name.toStdString();
    return name;
}

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

// Each widget looks the same with the cached pieces as with the style's own drawing, a second and a third
// time too (from the cache), and one state's picture is never shown for another.
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
    const auto list = [](auto&& change) {
        return [change] {
            auto view = std::make_unique<QListView>();
            auto* model = new QStringListModel({QStringLiteral("SET Output 1 ON"), QStringLiteral("Wait 5 s"),
                                                QStringLiteral("Send \"Alarm\" to 12.4.1"), QStringLiteral("g|j_Xy"),
                                                QStringLiteral("Tab\there")},
                                               view.get());
            view->setModel(model);
            view->setFixedSize(220, 110);
            change(*view);
            return std::unique_ptr<QWidget>(std::move(view));
        };
    };
    // A list of 40 texts, scrolled down or across by `scrolled` steps.
    const auto longList = [](Qt::Orientation across, int scrolled, bool enabled) {
        return [across, scrolled, enabled] {
            auto view = std::make_unique<QListView>();
            QStringList texts;
            for (int i = 1; i <= 40; ++i) texts << QStringLiteral("Send: Message %1 to [Upper unit]").arg(i);
            view->setModel(new QStringListModel(texts, view.get()));
            view->setFixedSize(across == Qt::Vertical ? 220 : 90, 110);
            view->setEnabled(enabled);
            view->grab();  // lays out the items, so that the scroll bar has its range
            QScrollBar* bar = across == Qt::Vertical ? view->verticalScrollBar() : view->horizontalScrollBar();
            bar->setValue(scrolled);
            return std::unique_ptr<QWidget>(std::move(view));
        };
    };
    // A value shown in a sunken frame, as the window shows the unit's alias.
    const auto value = [](int width, bool enabled) {
        return [width, enabled] {
            auto label = std::make_unique<QLabel>(QStringLiteral("Pumpstation S\u00fcd"));
            label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            label->setFixedWidth(width);
            label->setEnabled(enabled);
            return std::unique_ptr<QWidget>(std::move(label));
        };
    };
    // Tab pages, the first a label or (`scrolled`) a scroll area, which covers the frame's inside.
    const auto pages = [](bool withBar, QSize size, bool scrolled = false) {
        return [withBar, size, scrolled] {
            auto tabs = std::make_unique<QTabWidget>();
            QWidget* first = new QLabel(QStringLiteral("Id number:"));
            if (scrolled) {
                auto* area = new QScrollArea;
                area->setWidget(first);
                first = area;
            }
            tabs->addTab(first, QStringLiteral("KORU unit"));
            tabs->addTab(new QWidget, QStringLiteral("Misc."));
            tabs->tabBar()->setVisible(withBar);
            tabs->setFixedSize(size);
            // The pages get their place, inside the frame, once the tab widget is shown.
            tabs->setAttribute(Qt::WA_DontShowOnScreen);
            tabs->show();
            return std::unique_ptr<QWidget>(std::move(tabs));
        };
    };
    // A list taller than a kept picture, scrolled: its scroll bar is thin however long.
    const auto tallList = [] {
        return [] {
            auto view = std::make_unique<QListView>();
            QStringList texts;
            for (int i = 1; i <= 100; ++i) texts << QStringLiteral("Wait %1 s").arg(i);
            view->setModel(new QStringListModel(texts, view.get()));
            view->setFixedSize(220, 700);
            view->grab();  // lays out the items, so that the scroll bar has its range
            view->verticalScrollBar()->setValue(30);
            return std::unique_ptr<QWidget>(std::move(view));
        };
    };
    const auto group = [](const char* title, bool checkable, QSize size, int pointSize = 0) {
        return [title, checkable, size, pointSize] {
            auto frame = std::make_unique<QGroupBox>(QString::fromLatin1(title));
            frame->setCheckable(checkable);
            frame->setFixedSize(size);
            if (pointSize > 0) {
                QFont font = frame->font();
                font.setPointSize(pointSize);
                frame->setFont(font);
            }
            return std::unique_ptr<QWidget>(std::move(frame));
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
        {"list", list([](QListView&) {})},
        {"list with a chosen item", list([](QListView& view) { view.setCurrentIndex(view.model()->index(1, 0)); })},
        {"disabled list", list([](QListView& view) { view.setEnabled(false); })},
        {"narrow list, texts shortened", list([](QListView& view) { view.setFixedWidth(70); })},
        {"list right to left", list([](QListView& view) { view.setLayoutDirection(Qt::RightToLeft); })},
        {"tab", tab(false)},
        {"chosen tab", tab(true)},
        {"list with a scroll bar", longList(Qt::Vertical, 0, true)},
        {"list scrolled to the middle", longList(Qt::Vertical, 20, true)},
        {"list scrolled to the end", longList(Qt::Vertical, 40, true)},
        {"disabled list with a scroll bar", longList(Qt::Vertical, 20, false)},
        {"scroll bar across", longList(Qt::Horizontal, 7, true)},
        {"value as wide as the window's", value(780, true)},
        {"disabled wide value", value(780, false)},
        {"value just too wide to keep as one picture", value(513, true)},
        {"large list", list([](QListView& view) { view.setFixedSize(780, 225); })},
        // Too wide to keep whole, and as tall as the small picture a large frame is put together from: only
        // its width repeats.
        {"very wide list of one row", list([](QListView& view) { view.setFixedSize(2100, 24); })},
        {"tall narrow list", list([](QListView& view) { view.setFixedSize(60, 600); })},
        {"tab pages without their bar", pages(false, QSize(700, 400))},
        {"small tab pages without their bar", pages(false, QSize(60, 50))},
        {"tab pages around a scroll area", pages(false, QSize(700, 400), true)},
        {"tab pages with their bar", pages(true, QSize(700, 400))},
        {"group box", group("I/O events", false, QSize(700, 300))},
        // Of the same size: the frame starts higher without a title, lower with a check box or a larger
        // font, and a picture kept for one of them must not stand in for another.
        {"group box without a title", group("", false, QSize(700, 300))},
        {"group box with a check box", group("", true, QSize(700, 300))},
        {"group box with a larger font", group("I/O events", false, QSize(700, 300), 20)},
        {"group box as tall as the busiest page", group("I/O events", false, QSize(1240, 950))},
        {"small group box", group("Sleep event", false, QSize(300, 60))},
        {"tall list with a scroll bar", tallList()},
    };
    std::unique_ptr<QStyle> own(QStyleFactory::create(BaseStyleName()));
    EditorStyle cached(BaseStyleName());
    QPixmapCache::clear();
    for (const Case& c : cases) {
        const std::unique_ptr<QWidget> widget = c.make();
        const QImage expected = Drawn(*widget, own.get());
        EXPECT_EQ(DifferentPixels(Drawn(*widget, &cached), expected), 0) << c.name;
        // A group box's frame is kept after its second painting: the third comes from the cache for all.
        EXPECT_EQ(DifferentPixels(Drawn(*widget, &cached), expected), 0) << c.name << ", a second time";
        EXPECT_EQ(DifferentPixels(Drawn(*widget, &cached), expected), 0) << c.name << ", from the cache";
    }
}

// A frame the style does not draw the same all along its edges is left to it, however large.
TEST(EditorStyle, FramesThatChangeAlongAnEdgeAreTheStyles) {
    // Shades the frame from left to right, or from top to bottom; or marks one place far along an edge.
    class Shaded : public QProxyStyle {
    public:
        enum Change { Across, Down, Mark };
        Shaded(const QString& base, Change change) : QProxyStyle(base), change_(change) {}
        void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const override {
            if (element != PE_Frame) return QProxyStyle::drawPrimitive(element, option, painter, widget);
            const QRect& r = option->rect;
            if (change_ == Mark) {
                painter->fillRect(r.adjusted(0, 0, 0, -r.height() + 1), Qt::darkGray);
                painter->fillRect(QRect(r.left() + 300, r.top(), 5, 1), Qt::red);
                return;
            }
            QLinearGradient shade(r.topLeft(), change_ == Across ? r.topRight() : r.bottomLeft());
            shade.setColorAt(0, Qt::black);
            shade.setColorAt(1, Qt::white);
            painter->setPen(QPen(QBrush(shade), 1));
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }

    private:
        Change change_;
    };
    // Each change, and two places on the frame that it draws differently.
    const struct {
        Shaded::Change change;
        QPoint one, other;
    } changes[] = {{Shaded::Across, {10, 0}, {590, 0}},
                   {Shaded::Down, {0, 10}, {0, 290}},
                   {Shaded::Mark, {100, 0}, {302, 0}}};
    for (const auto& c : changes) {
        QListView view;
        view.setFixedSize(600, 300);
        Shaded own(BaseStyleName(), c.change);
        EditorStyle cached(new Shaded(BaseStyleName(), c.change));
        const QImage expected = Drawn(view, &own);
        ASSERT_NE(expected.pixel(c.one), expected.pixel(c.other)) << c.change;
        EXPECT_EQ(DifferentPixels(Drawn(view, &cached), expected), 0) << c.change;
    }
}

// A list item drawn from its kept line of text looks as the style draws it, in every state, and measures
// as the style measures it; an item the style draws otherwise (shortened, centred, right to left, with a
// check box) is left to it.
TEST(EditorStyle, ListItemsLookAsTheStyleDrawsThem) {
    struct ItemCase {
        const char* name;
        QStyle::State state;
        QString text;
        int width;
        std::function<void(QStyleOptionViewItem&)> change;
    };
    const QStyle::State shown = QStyle::State_Enabled | QStyle::State_Active;
    const auto none = [](QStyleOptionViewItem&) {};
    const ItemCase cases[] = {
        {"plain", shown, QStringLiteral("SET Output 1 ON"), 200, none},
        {"descenders", shown, QStringLiteral("g|j_Xy Qq"), 200, none},
        {"chosen", shown | QStyle::State_Selected, QStringLiteral("Wait 5 s"), 200, none},
        {"chosen with the focus", shown | QStyle::State_Selected | QStyle::State_HasFocus, QStringLiteral("Wait 5 s"),
         200, none},
        {"focus only", shown | QStyle::State_HasFocus, QStringLiteral("Wait 5 s"), 200, none},
        {"inactive window, chosen", QStyle::State_Enabled | QStyle::State_Selected, QStringLiteral("Wait 5 s"), 200,
         none},
        {"disabled", QStyle::State_None, QStringLiteral("Send \"Alarm\""), 200, none},
        {"mouse over", shown | QStyle::State_MouseOver, QStringLiteral("Wait 5 s"), 200, none},
        {"just fits", shown, QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"), 0, none},
        {"too long", shown, QStringLiteral("SET Output 1 ON and wait for the counter"), 60, none},
        {"tab in the text", shown, QStringLiteral("Tab\there"), 200, none},
        {"line break in the text", shown, QStringLiteral("two\nlines"), 200, none},
        {"centred", shown, QStringLiteral("Wait 5 s"), 200,
         [](QStyleOptionViewItem& item) { item.displayAlignment = Qt::AlignCenter; }},
        {"right to left", shown, QStringLiteral("Wait 5 s"), 200,
         [](QStyleOptionViewItem& item) { item.direction = Qt::RightToLeft; }},
        {"with a check box", shown, QStringLiteral("Wait 5 s"), 200,
         [](QStyleOptionViewItem& item) {
             item.features |= QStyleOptionViewItem::HasCheckIndicator;
             item.checkState = Qt::Checked;
         }},
        {"bold", shown, QStringLiteral("Wait 5 s"), 200, [](QStyleOptionViewItem& item) { item.font.setBold(true); }},
    };
    std::unique_ptr<QStyle> own(QStyleFactory::create(BaseStyleName()));
    EditorStyle kept(BaseStyleName());
    QListView view;  // the widget the items belong to, for the style's measures
    for (const ItemCase& c : cases) {
        QStyleOptionViewItem item;
        item.initFrom(&view);
        item.state = c.state;
        item.text = c.text;
        item.features = QStyleOptionViewItem::HasDisplay;
        item.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        item.font = view.font();
        item.fontMetrics = QFontMetrics(item.font);
        c.change(item);
        const int width = c.width > 0 ? c.width : QFontMetrics(item.font).horizontalAdvance(c.text) + 8;
        item.rect = QRect(3, 2, width, QFontMetrics(item.font).height() + 4);
        const auto draw = [&](const QStyle& style) {
            QImage image(width + 6, item.rect.height() + 4, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            style.drawControl(QStyle::CE_ItemViewItem, &item, &painter, &view);
            painter.end();
            return image.convertToFormat(QImage::Format_ARGB32);
        };
        const QImage expected = draw(*own);
        EXPECT_EQ(DifferentPixels(draw(kept), expected), 0) << c.name;
        EXPECT_EQ(DifferentPixels(draw(kept), expected), 0) << c.name << ", kept";
        const QSize size = own->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), &view);
        EXPECT_EQ(kept.sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), &view), size) << c.name;
        EXPECT_EQ(kept.sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), &view), size) << c.name << ", kept";
    }
}

// The menu bar's overflow button gets the style's own icon, loaded when it is first drawn.
TEST(EditorStyle, TheOverflowIconIsTheStylesOwn) {
    std::unique_ptr<QStyle> own(QStyleFactory::create(BaseStyleName()));
    EditorStyle editor(BaseStyleName());
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
