// A tab's page is built when the tab is first shown; the unit holds every setting with or without a page, and
// the library's unit lists are read once a page shows them.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

#include <algorithm>

#include "editor/ListBox.h"
#include "editor/SettingBinder.h"
#include "editor/TabButton.h"
#include "model/UnitFile.h"
#include "tests/editor/WindowFixture.h"
#include "tests/editor/WindowTesting.h"
#include "tests/support/GeneratedUnits.h"

namespace koru::test {
namespace {

class PagesBuiltWhenShown : public WindowFixture {
protected:
    void showTab(WindowTab tab) {
        WindowControl<QTabWidget>(window.get(), "sstEvents")->setCurrentIndex(static_cast<int>(tab));
    }
    // What every field of `shown` shows, setting by setting.
    static std::vector<std::string> FieldsOf(MainWindow& shown) {
        std::vector<std::string> texts;
        for (const Setting& setting : Settings()) {
            for (int index = 0; index < setting.size(); ++index) {
                texts.push_back(Shown(WindowControl(&shown, Name(setting, index))));
            }
        }
        return texts;
    }
};

TEST_F(PagesBuiltWhenShown, NoPageIsBuiltBeforeTheWindowShowsAndATabsPageWhenShown) {
    for (int tab = 0; tab <= static_cast<int>(WindowTab::Misc); ++tab) {
        EXPECT_FALSE(window->isPageBuilt(static_cast<WindowTab>(tab))) << tab;
    }
    // The first tab is the current one all the same.
    EXPECT_EQ(WindowControl<QTabWidget>(window.get(), "sstEvents")->currentIndex(), 0);
    const QList<TabButton*> tabButtons = window->findChildren<TabButton*>();
    ASSERT_EQ(tabButtons.size(), static_cast<int>(WindowTab::Misc) + 1);
    EXPECT_TRUE(tabButtons.front()->isChecked());
    EXPECT_EQ(window->centralWidget()->findChild<QLineEdit*>("txtAlias"), nullptr);
    ASSERT_TRUE(open("-Unit\r\nId=0000000042\r\nAlias=Mast\r\n"));
    QSignalSpy built(window.get(), &MainWindow::pageBuilt);
    showTab(WindowTab::Network);
    ASSERT_EQ(built.count(), 1);
    EXPECT_EQ(built.front().front().value<WindowTab>(), WindowTab::Network);
    auto* alias = window->centralWidget()->findChild<QLineEdit*>("txtAlias");
    ASSERT_NE(alias, nullptr);
    EXPECT_EQ(alias->text(), "Mast");
    showTab(WindowTab::Overview);  // built now: nothing showed it before
    showTab(WindowTab::Network);
    ASSERT_EQ(built.count(), 2);  // each built once
    EXPECT_EQ(built.back().front().value<WindowTab>(), WindowTab::Overview);
}

// The first tab's page is built as the window shows, before the window lays itself out: the page is in the
// window's first layout, and so in its first paint.
TEST_F(PagesBuiltWhenShown, TheFirstTabsPageIsInTheWindowsFirstLayout) {
    ASSERT_TRUE(open("-Unit\r\nId=0000000042\r\nAlias=Mast\r\n"));
    QSignalSpy built(window.get(), &MainWindow::pageBuilt);
    window->show();  // no event is handled before the checks below
    ASSERT_EQ(built.count(), 1);
    EXPECT_EQ(built.front().front().value<WindowTab>(), WindowTab::Overview);
    QPushButton* send = window->controls().overview.send;
    ASSERT_NE(send, nullptr);
    EXPECT_TRUE(send->isVisible());
    EXPECT_GE(send->width(), send->minimumWidth());
    EXPECT_GT(send->minimumWidth(), 0);
    EXPECT_TRUE(window->rect().contains(QRect(send->mapTo(window.get(), QPoint(0, 0)), send->size())));
    const QList<QLabel*> values = window->centralWidget()->findChildren<QLabel*>();
    const auto shows = [&](const QString& text) {
        return std::any_of(values.begin(), values.end(),
                           [&](const QLabel* label) { return label->isVisible() && label->text() == text; });
    };
    EXPECT_TRUE(shows("Mast"));
    EXPECT_TRUE(shows("0000000042"));
}

// Whether its pages were built before or after a load, the window holds the same unit, later shows it in the
// same fields, and building a page never edits the unit. The change checks correct a value without its page.
TEST_F(PagesBuiltWhenShown, LoadsAndChecksReachEverySettingWithOrWithoutItsPage) {
    std::vector<std::string> units;
    for (int seed = 1; seed <= 3; ++seed) units.push_back(UnitFileText(GeneratedUnit(seed)));
    units.push_back(UnitFileText(MaximalUnit(1)));
    units.push_back("-Unit\r\nId=0000000001\r\n-Radio\r\nChannel=90\r\n-Timer\r\n+Timer1\r\nTime=soon\r\n");
    for (std::size_t unit = 0; unit < units.size(); ++unit) {
        SCOPED_TRACE(unit);
        window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
        MainWindow eager(UnitLibrary(library.path()), dialogs);
        eager.buildAllPages();
        ASSERT_TRUE(open(units[unit]));
        ASSERT_TRUE(eager.openUnitFile((library.path() / "opened.kuf").string()));
        EXPECT_EQ(window->configuration(), eager.configuration());
        QSignalSpy edited(&window->edits(), &SettingBinder::edited);
        window->buildAllPages();
        EXPECT_EQ(edited.count(), 0);
        EXPECT_EQ(FieldsOf(*window), FieldsOf(eager));
    }
    EXPECT_EQ(window->configuration().radio.channel, "81");
    EXPECT_EQ(window->configuration().timers[0].time, "");
}

TEST_F(PagesBuiltWhenShown, ACommandCorrectsASettingWithoutItsPage) {
    window->edit(QStringLiteral("Change"), [](UnitConfiguration& config) {
        config.timers[1].time = "soon";
        config.radio.channel = "99";
        return true;
    });
    EXPECT_EQ(window->configuration().timers[1].time, "");
    EXPECT_EQ(window->configuration().radio.channel, "81");
    EXPECT_FALSE(window->isPageBuilt(WindowTab::CommSetup));
}

TEST_F(PagesBuiltWhenShown, TheUnitListsAreReadWhenAPageShowsThem) {
    WriteBytes(library.path() / "Units" / "0000000012(Pump).kuf", "-Unit\r\nId=0000000012\r\n");
    window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
    WriteBytes(library.path() / "Units" / "0000000013(Tank).kuf", "-Unit\r\nId=0000000013\r\n");
    showTab(WindowTab::MessageActions);
    auto* units = window->centralWidget()->findChild<ListBox*>("lstDest");
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->texts(), QStringList({"[Serial port]", "[Upper unit]", "0000000012(Pump)", "0000000013(Tank)",
                                           "[General Broadcast]"}));
    // The unit list of another tab shows the same model; a refresh that finds nothing new keeps the selection.
    showTab(WindowTab::Network);
    auto* unitList = get<ListBox>("lstUnitInSystem");
    EXPECT_EQ(unitList->texts(), QStringList({"0000000012(Pump)", "0000000013(Tank)"}));
    unitList->setCurrentRow(1);
    window->refreshUnitLists();
    EXPECT_EQ(unitList->currentRow(), 1);
    std::filesystem::remove(library.path() / "Units" / "0000000012(Pump).kuf");
    window->refreshUnitLists();
    EXPECT_EQ(unitList->texts(), QStringList({"0000000013(Tank)"}));
    EXPECT_EQ(units->count(), 4);
}

// The editing parts hook onto a page's buttons once it is built.
TEST(PagesBuiltWhenShownEditing, ButtonsOfPagesBuiltLaterWork) {
    EditingWindow w;
    EXPECT_FALSE(w.window->isPageBuilt(WindowTab::MessageActions));
    for (const char* button : {"cmdAddParameter", "cmdCreateMessageAction", "cmdAddMasterUnit", "cmdAddActionBitMask(0)"}) {
        EXPECT_TRUE(w.get<QPushButton>(button)->isEnabled()) << button;
    }
    w.files.addUnitFile("0000000017(Hill).kuf");
    w.window->refreshUnitLists();
    w.selectText("lstUnitInSystem", "0000000017(Hill)");
    w.press("cmdAddMasterUnit");
    EXPECT_EQ(w.window->configuration().network.upperUnit, "0000000017(Hill)");
}

}  // namespace
}  // namespace koru::test
