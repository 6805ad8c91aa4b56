// Opening a unit shows and hides many event rows at once, with the window's layouts held; afterwards every
// layout works again, every shown row has its own place, and each list shown is painted once.

#include <QAbstractScrollArea>
#include <QHash>
#include <QLayout>
#include <QTabWidget>

#include <string>
#include <utility>

#include "editor/ListBox.h"
#include "model/UnitFile.h"
#include "tests/editor/WindowFixture.h"
#include "tests/editor/WindowTesting.h"
#include "tests/support/GeneratedUnits.h"

namespace koru::test {
namespace {

constexpr int kEventsTab = 5;  // "I/O and sleep events": rows shown only while their event is on

std::string Describe(const QWidget* widget) {
    const QRect place = widget->geometry();
    return std::string(widget->metaObject()->className()) + " " + widget->objectName().toStdString() + " at " +
           std::to_string(place.x()) + "," + std::to_string(place.y()) + " size " + std::to_string(place.width()) +
           "x" + std::to_string(place.height());
}

// The first two shown widgets of one parent that overlap, or "" when each has its own place. The insides of
// scrolling widgets (a list's scroll bars over its view) are their own affair.
std::string FirstOverlap(QWidget& root) {
    for (QWidget* parent : root.findChildren<QWidget*>()) {
        if (!parent->isVisible() || qobject_cast<QAbstractScrollArea*>(parent) != nullptr) continue;
        const QList<QWidget*> shown = [&] {
            QList<QWidget*> children;
            for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (child->isVisible()) children.append(child);
            }
            return children;
        }();
        for (qsizetype a = 0; a < shown.size(); ++a) {
            for (qsizetype b = a + 1; b < shown.size(); ++b) {
                if (shown[a]->geometry().intersects(shown[b]->geometry())) {
                    return Describe(shown[a]) + " overlaps " + Describe(shown[b]);
                }
            }
        }
    }
    return "";
}

TEST_F(WindowFixture, RowsShownAndHiddenByAnOpenEachHaveTheirPlace) {
    const std::pair<UnitConfiguration, UnitConfiguration> opens[] = {
        {MaximalUnit(1), GeneratedUnit(2)},  // most rows go
        {GeneratedUnit(2), MaximalUnit(1)},  // most rows come
        {GeneratedUnit(3), GeneratedUnit(4)},
    };
    for (const auto& [first, second] : opens) {
        SCOPED_TRACE(second.unit.alias);
        window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
        window->resize(1100, 700);
        window->show();
        get<QTabWidget>("sstEvents")->setCurrentIndex(kEventsTab);
        ASSERT_TRUE(open(UnitFileText(first), "first.kuf"));
        QCoreApplication::processEvents();
        ASSERT_TRUE(open(UnitFileText(second), "second.kuf"));
        QCoreApplication::processEvents();
        EXPECT_EQ(FirstOverlap(*window), "");
        for (QLayout* layout : window->findChildren<QLayout*>()) EXPECT_TRUE(layout->isEnabled());
    }
}

// Counts the paints of each list's rows.
class ListPaints : public QObject {
public:
    explicit ListPaints(MainWindow& window) {
        for (ListBox* list : window.findChildren<ListBox*>()) list->viewport()->installEventFilter(this);
    }
    QHash<QObject*, int> counts;

protected:
    bool eventFilter(QObject* viewport, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++counts[viewport];
        return false;
    }
};

TEST_F(WindowFixture, AnOpenPaintsEachShownListOnce) {
    window->resize(1100, 700);
    window->show();
    get<QTabWidget>("sstEvents")->setCurrentIndex(kEventsTab);
    ASSERT_TRUE(open(UnitFileText(MaximalUnit(1)), "first.kuf"));
    for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
    ListPaints paints(*window);
    ASSERT_TRUE(open(UnitFileText(MaximalUnit(2)), "second.kuf"));
    for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
    int shown = 0;
    for (ListBox* list : window->findChildren<ListBox*>()) {
        if (!list->isVisible() || list->visibleRegion().isEmpty()) continue;
        ++shown;
        EXPECT_EQ(paints.counts.value(list->viewport()), 1) << list->objectName().toStdString();
    }
    EXPECT_GT(shown, 5);
}

}  // namespace
}  // namespace koru::test
