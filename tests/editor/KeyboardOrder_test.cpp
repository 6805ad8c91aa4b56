#include <QLabel>
#include <QTabWidget>

#include "tests/editor/WindowFixture.h"

namespace koru::test {
namespace {

bool TakesTab(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisible() && widget->isEnabled();
}

// Whether `next` comes after `previous` in reading order: further right on the same line, on a later line,
// or at the top of a column to the right of it.
bool ReadsAfter(const QRect& previous, const QRect& next) {
    if (std::abs(next.top() - previous.top()) < std::min(next.height(), previous.height()) / 2) {
        return next.left() >= previous.left();
    }
    return next.bottom() > previous.top() || next.left() >= previous.right();
}

// On every tab of the busy sample unit, Tab visits each control the page shows, once, in reading order.
TEST_F(WindowFixture, TabReachesEveryControlOfEachPageInReadingOrder) {
    showActive();
    ASSERT_TRUE(window->openUnitFile(KORU_SOURCE_DIR "/docs/samples/pumpstation.kuf"));
    auto* tabs = window->findChild<QTabWidget*>("sstEvents");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QWidget* page = tabs->widget(tab);
        QList<QWidget*> expected;
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            if (TakesTab(widget) && widget->focusProxy() == nullptr) expected.append(widget);
        }
        QList<QWidget*> visited;
        QRect previous;
        for (QWidget* widget = window->nextInFocusChain(); widget != window.get(); widget = widget->nextInFocusChain()) {
            if (!page->isAncestorOf(widget) || !TakesTab(widget) || widget->focusProxy() != nullptr) continue;
            const QRect place(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(visited.isEmpty() || ReadsAfter(previous, place))
                << "tab " << tab << ": " << widget->objectName().toStdString() << " after "
                << visited.back()->objectName().toStdString();
            EXPECT_FALSE(visited.contains(widget));
            visited.append(widget);
            previous = place;
        }
        EXPECT_EQ(visited.size(), expected.size()) << "tab " << tab;
    }
}

// A label that shows a value is read by its text; its caption is the description, not a name that hides it.
TEST_F(WindowFixture, ValueLabelsShowTheirTextToAssistiveTools) {
    ASSERT_TRUE(window->openUnitFile(KORU_SOURCE_DIR "/docs/samples/pumpstation.kuf"));
    for (const auto& [name, caption] : {std::pair{"lblFreq", "Frequency"}, std::pair{"lblSelectedMaster", "Upper unit"},
                                        std::pair{"lblUpperPingTime", "Upper unit ping time"}}) {
        auto* label = get<QLabel>(name);
        EXPECT_TRUE(label->accessibleName().isEmpty()) << name;
        EXPECT_EQ(label->accessibleDescription(), caption);
        EXPECT_FALSE(label->text().isEmpty()) << name;
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << name;
    }
}

}  // namespace
}  // namespace koru::test
