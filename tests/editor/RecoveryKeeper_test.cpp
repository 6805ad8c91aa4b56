#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "editor/MainWindow.h"
#include "editor/RecoveryKeeper.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A window with its recovery keeper, writing 1 ms after a change instead of 2 s.
struct KeptWindow {
    explicit KeptWindow(const fs::path& library)
        : window(std::make_unique<MainWindow>(UnitLibrary(library), dialogs)),
          keeper(new RecoveryKeeper(*window, 1ms)) {}

    void edit(const std::string& alias) {
        window->edit(QStringLiteral("Alias"), [&alias](UnitConfiguration& unit) {
            unit.unit.alias = alias;
            return true;
        });
    }
    bool kept(const std::string& alias) {
        const fs::path& file = keeper->file().path();
        return QTest::qWaitFor([&] {
            return keeper->file().written() && test::ReadBytes(file).find("\r\nAlias=" + alias + "\r\n") != std::string::npos;
        }, 2000);
    }

    test::ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    RecoveryKeeper* keeper;
};

std::size_t KeptFiles(const fs::path& library) {
    std::size_t count = 0;
    std::error_code ignored;
    for (fs::directory_iterator it(library / "Recovery", ignored); !ignored && it != fs::directory_iterator();
         it.increment(ignored)) {
        count += it->path().extension() == ".kur" ? 1 : 0;
    }
    return count;
}

class RecoveryKeeperTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(library.path() / "Units");
        unit = test::WriteBaseUnit(library.path() / "Units");
    }
    test::TempDir library;
    std::string unit;
};

// Kept while the user works; gone at once when saved, or when the edits are undone.
TEST_F(RecoveryKeeperTest, KeepsTheEditsUntilTheyAreSaved) {
    KeptWindow kept(library.path());
    kept.edit("Nothing open");  // no unit: nothing could be saved, nothing is kept
    QTest::qWait(20);
    EXPECT_FALSE(kept.keeper->file().written());
    kept.edit("");

    ASSERT_TRUE(kept.window->openUnitFile(unit));
    EXPECT_FALSE(kept.window->hasUnsavedEdits());
    kept.edit("First");
    EXPECT_TRUE(kept.window->hasUnsavedEdits());
    ASSERT_TRUE(kept.kept("First"));
    kept.edit("Second");
    ASSERT_TRUE(kept.kept("Second"));
    kept.edit("");  // back to what the file holds
    EXPECT_TRUE(QTest::qWaitFor([&] { return KeptFiles(library.path()) == 0; }, 2000));

    kept.edit("Saved");
    ASSERT_TRUE(kept.kept("Saved"));
    kept.window->saveUnit();
    EXPECT_FALSE(kept.window->hasUnsavedEdits());
    EXPECT_EQ(KeptFiles(library.path()), 0u);  // at once
}

// Two windows on one library keep their own edits: one's save never takes the other's, and a third
// window does not offer the edits of a window that still runs.
TEST_F(RecoveryKeeperTest, SeveralWindowsKeepTheirOwnEdits) {
    KeptWindow first(library.path());
    KeptWindow second(library.path());
    ASSERT_TRUE(first.window->openUnitFile(unit));
    ASSERT_TRUE(second.window->openUnitFile(unit));
    first.edit("One");
    second.edit("Two");
    ASSERT_TRUE(first.kept("One"));
    ASSERT_TRUE(second.kept("Two"));

    first.window->saveUnit();
    EXPECT_EQ(KeptFiles(library.path()), 1u);
    EXPECT_TRUE(second.kept("Two"));

    KeptWindow third(library.path());
    third.keeper->offerLeftEdits();
    EXPECT_TRUE(third.dialogs.shown.empty());
}

// The edits of a window that went without saving (a crash) are offered at the next start: No throws them
// away; Yes puts them in the window, unsaved, and writes nothing to the unit file.
TEST_F(RecoveryKeeperTest, LeftEditsAreOfferedBack) {
    const std::string saved = test::ReadBytes(unit);
    for (const bool restore : {false, true}) {
        SCOPED_TRACE(restore ? "restored" : "thrown away");
        {
            KeptWindow crashed(library.path());
            ASSERT_TRUE(crashed.window->openUnitFile(unit));
            crashed.edit("Lost");
            ASSERT_TRUE(crashed.kept("Lost"));
        }  // gone without a close
        KeptWindow next(library.path());
        next.dialogs.answers = {restore};
        next.keeper->offerLeftEdits();
        ASSERT_EQ(next.dialogs.shown.size(), 1u);
        EXPECT_EQ(next.dialogs.shown[0].title, "Unsaved edits");
        EXPECT_TRUE(next.dialogs.shown[0].text.starts_with(
            "Edits of the unit \"Lost - 0000000042\" were not saved when the program ended"))
            << next.dialogs.shown[0].text;
        EXPECT_EQ(next.window->configuration().unit.alias, restore ? "Lost" : "");
        EXPECT_EQ(next.window->hasUnsavedEdits(), restore);
        EXPECT_EQ(KeptFiles(library.path()), restore ? 1u : 0u);  // restored: now the window's own
        EXPECT_EQ(next.keeper->file().written(), restore);
        EXPECT_EQ(test::ReadBytes(unit), saved);
    }
}

// Ended without a question (a signal) the edits stay for the next start; a clean end takes them away.
TEST_F(RecoveryKeeperTest, OnlyACleanEndTakesTheEditsAway) {
    for (const bool clean : {false, true}) {
        SCOPED_TRACE(clean ? "closed" : "ended by a signal");
        KeptWindow kept(library.path());
        ASSERT_TRUE(kept.window->openUnitFile(unit));
        kept.edit(clean ? "Closed" : "Signalled");
        QSignalSpy ending(kept.window.get(), &MainWindow::programEnding);
        if (clean) {
            kept.dialogs.answers = {false};  // "Do you want to save unit?" No
            kept.window->close();
        } else {
            kept.keeper->keepForNextStart();  // at once, without waiting for the timer
            kept.window->endWithoutAsking();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return ending.count() == 1; }, 2000));  // after the answer
        EXPECT_EQ(fs::exists(kept.keeper->file().path()), !clean);
        EXPECT_EQ(kept.dialogs.shown.size(), clean ? 1u : 0u);
    }
}

}  // namespace
}  // namespace koru
