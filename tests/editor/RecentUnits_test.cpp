#include <QAction>
#include <QMenu>
#include <QTest>

#include <chrono>

#include "editor/RecentUnits.h"
#include "platform/MemorySettingsStore.h"
#include "tests/editor/WindowFixture.h"

namespace koru::test {
namespace {

std::string UnitText(int id) { return "-Unit\r\nId=" + std::to_string(1000000000 + id) + "\r\nAlias=U\r\n"; }

class RecentUnitsTest : public WindowFixture {
protected:
    QString unit(int id) {
        return QString::fromStdString(writeFile("unit" + std::to_string(id) + ".kuf", UnitText(id)).string());
    }
    QStringList shownEntries() const {
        QMenu* menu = window->menus().recentUnits;
        emit menu->aboutToShow();
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            entries.append(action->text() + (action->isEnabled() ? "" : " (gone)"));
        }
        return entries;
    }

    MemorySettingsStore store;
};

// Opens and saves put the unit first, once; eight stay; the list outlives the window in the settings.
TEST_F(RecentUnitsTest, TheLastEightUnitsOpenedOrSavedNewestFirst) {
    RecentUnits recent(*window, store, nullptr);
    EXPECT_TRUE(recent.files().isEmpty());
    EXPECT_FALSE(window->menus().recentUnits->isEnabled());
    for (int id = 1; id <= 10; ++id) ASSERT_TRUE(window->openUnitFile(unit(id).toStdString()));
    ASSERT_TRUE(window->openUnitFile(unit(5).toStdString()));
    const QStringList expected{unit(5), unit(10), unit(9), unit(8), unit(7), unit(6), unit(4), unit(3)};
    EXPECT_EQ(recent.files(), expected);

    window->saveUnit();  // the unit's file in the library comes first
    const QString saved = QString::fromStdString((library.path() / "Units" / "1000000005(U).kuf").string());
    EXPECT_EQ(recent.files().front(), saved);
    EXPECT_EQ(recent.files().size(), RecentUnits::kLimit);

    // Another window over the same settings shows them; a file that is gone shows disabled.
    std::filesystem::remove(unit(10).toStdString());
    window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
    RecentUnits again(*window, store, nullptr);
    EXPECT_EQ(shownEntries(), (QStringList{"&1 1000000005(U)", "&2 unit5", "&3 unit10 (gone)", "&4 unit9", "&5 unit8",
                                           "&6 unit7", "&7 unit6", "&8 unit4"}));
}

// The list is written once, after the opens that changed it, not while a unit opens; opening the unit that
// heads the list again changes nothing.
TEST_F(RecentUnitsTest, TheListIsWrittenOnceAfterTheOpens) {
    struct CountingStore : MemorySettingsStore {
        void setValue(const std::string& section, const std::string& key, const std::string& value) override {
            ++writes;
            MemorySettingsStore::setValue(section, key, value);
        }
        int writes = 0;
    } counting;
    RecentUnits recent(*window, counting, nullptr, std::chrono::milliseconds(1));
    ASSERT_TRUE(window->openUnitFile(unit(1).toStdString()));
    ASSERT_TRUE(window->openUnitFile(unit(2).toStdString()));
    EXPECT_EQ(counting.writes, 0);
    EXPECT_EQ(recent.files(), (QStringList{unit(2), unit(1)}));
    QTest::qWait(20);
    EXPECT_EQ(counting.writes, RecentUnits::kLimit);
    EXPECT_EQ(counting.value("Recent units", "File1", ""), unit(2).toStdString());
    EXPECT_EQ(counting.value("Recent units", "File2", ""), unit(1).toStdString());

    ASSERT_TRUE(window->openUnitFile(unit(2).toStdString()));
    QTest::qWait(20);
    EXPECT_EQ(counting.writes, RecentUnits::kLimit);
}

// Picking an entry asks to save the open unit first, then opens the picked one.
TEST_F(RecentUnitsTest, PickingAUnitOpensItAfterTheSaveQuestion) {
    RecentUnits recent(*window, store, nullptr);
    ASSERT_TRUE(window->openUnitFile(unit(1).toStdString()));
    ASSERT_TRUE(window->openUnitFile(unit(2).toStdString()));
    dialogs.answers = {false};
    emit window->menus().recentUnits->aboutToShow();
    window->menus().recentUnits->actions().at(1)->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Do you want to save unit?");
    EXPECT_EQ(window->configuration().unit.id, "1000000001");
    EXPECT_EQ(recent.files().front(), unit(1));
}

}  // namespace
}  // namespace koru::test
