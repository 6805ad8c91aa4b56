#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

#include <filesystem>
#include <functional>

#include "editor/dialogs/DeleteUnitDialog.h"
#include "editor/dialogs/NewUnitDialog.h"
#include "editor/network/AliasFixDialog.h"
#include "editor/network/NetworkMapCommand.h"
#include "editor/network/NetworkMapWindow.h"
#include "editor/network/NetworkTreeModel.h"
#include "tests/editor/WindowTesting.h"
#include "tests/support/NamedCase.h"
#include "tests/support/NetworkUnits.h"

namespace koru {
namespace {

namespace fs = std::filesystem;
using test::PrintTo;
using Shown = test::ScriptedDialogs::Shown;

const Shown kSavePrompt{"Do you want to save unit?", "Save unit...", true};
const fs::path kSample = fs::path(KORU_SOURCE_DIR) / "docs" / "samples" / "network" / "Units";
constexpr int kScanWaitMs = 5000;

std::string bytesOf(const QVariant& text) { return FromWidgetText(text.toString()).value_or("<not Windows-1252>"); }

// The map window over the sample network (docs/samples/network), attached to a main window with the unit
// editing, as the program attaches it.
class NetworkMapWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& file : fs::directory_iterator(kSample)) {
            fs::copy_file(file.path(), units / file.path().filename());
        }
        command = &AttachNetworkMap(*w.window);
    }

    // Shows the map and waits until it has been read.
    NetworkMapWindow* showMap() {
        command->showMap();
        waitForScans();
        return command->mapWindow();
    }
    void waitForScans() const {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !command->mapWindow()->busy(); }, kScanWaitMs));
    }
    QTreeView* tree() const { return test::Control<QTreeView>(command->mapWindow(), "treNetwork"); }
    QListView* findings() const { return test::Control<QListView>(command->mapWindow(), "lstFindings"); }

    // The tree as korucfg network prints it: each unit's entry, two blanks further in than its upper unit.
    std::string treeText(const QModelIndex& parent = {}, int depth = 0) const {
        std::string text;
        const QAbstractItemModel* model = tree()->model();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex unit = model->index(row, 0, parent);
            text += std::string(static_cast<std::size_t>(depth) * 2, ' ') + bytesOf(unit.data()) + "\n";
            text += treeText(unit, depth + 1);
        }
        return text;
    }
    QModelIndexList rowsOf(const std::string& entry) const {
        const QAbstractItemModel* model = tree()->model();
        return model->match(model->index(0, 0), Qt::DisplayRole, ToWidgetText(entry), -1,
                            Qt::MatchExactly | Qt::MatchRecursive);
    }
    bool holds(const std::string& entry) const { return !rowsOf(entry).isEmpty(); }
    QModelIndex rowOf(const std::string& entry) const {
        const QModelIndexList found = rowsOf(entry);
        EXPECT_EQ(found.size(), 1) << entry;
        return found.value(0);
    }
    std::string selectedEntry() const { return bytesOf(tree()->currentIndex().data()); }
    fs::path unitFile(const std::string& entry) const { return units / (entry + ".kuf"); }

    test::EditingWindow w;
    fs::path units = w.files.library.unitsFolder();
    NetworkMapCommand* command = nullptr;
};

TEST_F(NetworkMapWindowTest, TheTreeStandsAsTheLinksSay) {
    showMap();
    EXPECT_EQ(treeText(),
              "0000000017(Mast Hill)\n"
              "  0000000042(Pumpstation)\n"
              "    0000000101(Well 1)\n"
              "    0000000102(Well 2)\n"
              "    0000000103(Well 3 North)\n"
              "  0000000043(Creek Weir)\n"
              "    0000000110(Gauge A)\n"
              "    0000000120(Valve 1)\n"
              "  0000000060(Reservoir)\n"
              "0000000070(Tower East)\n"
              "  0000000071(Tower West)\n");
    EXPECT_TRUE(tree()->isExpanded(rowOf("0000000042(Pumpstation)")));
    EXPECT_EQ(test::Control<QLabel>(command->mapWindow(), "lblNetworkStatus")->text(),
              "11 units, 4 problems, 1 warning");
}

struct MarkCase {
    const char* name;
    std::string entry;
    const char* mark;     // the first word of the tooltip's lines: "Problem", "Warning", or "" for no mark
    std::string naming;  // a finding's text the tooltip holds
};

class UnitMarks : public NetworkMapWindowTest, public testing::WithParamInterface<MarkCase> {};

// Every unit a finding names is marked with an icon, a colour and a tooltip that names the finding; a unit with
// problems and warnings shows as a problem; units without findings carry no mark.
TEST_P(UnitMarks, TheUnitsOfEachFindingAreMarked) {
    showMap();
    const QModelIndex row = rowOf(GetParam().entry);
    const QString tooltip = row.data(Qt::ToolTipRole).toString();
    if (std::string(GetParam().mark).empty()) {
        EXPECT_TRUE(tooltip.isEmpty()) << tooltip.toStdString();
        EXPECT_TRUE(row.data(Qt::DecorationRole).isNull());
        return;
    }
    EXPECT_FALSE(row.data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(tooltip.startsWith(QString(GetParam().mark) + ": ")) << tooltip.toStdString();
    EXPECT_TRUE(tooltip.contains(QString::fromStdString(GetParam().naming))) << tooltip.toStdString();
    EXPECT_EQ(row.data(Qt::AccessibleDescriptionRole).toString(), tooltip);
    const QColor problemColour = rowOf("0000000060(Reservoir)").data(Qt::ForegroundRole).value<QColor>();
    EXPECT_EQ(row.data(Qt::ForegroundRole).value<QColor>() == problemColour, std::string(GetParam().mark) == "Problem");
}

INSTANTIATE_TEST_SUITE_P(
    SampleNetwork, UnitMarks,
    testing::Values(
        MarkCase{"ListerOfAnotherUnitsLower", "0000000060(Reservoir)", "Problem", "0000000060(Reservoir) lists 0000000120(Valve 1)"},
        MarkCase{"LowerUnitNamingAnotherUpper", "0000000120(Valve 1)", "Problem", "lists 0000000120(Valve 1) as a lower unit"},
        MarkCase{"TheOtherUpperAndAnUnknownEntry", "0000000043(Creek Weir)", "Problem", "lists the lower unit 0000000111(Gauge B)"},
        MarkCase{"LoopMember", "0000000071(Tower West)", "Problem", "A loop of upper units"},
        MarkCase{"PingMismatch", "0000000017(Mast Hill)", "Problem", "The lower ping entry 2 of 0000000017(Mast Hill)"},
        MarkCase{"HolderOfAnOldAlias", "0000000042(Pumpstation)", "Warning", "names 0000000103(Well 3)"},
        MarkCase{"RenamedUnit", "0000000103(Well 3 North)", "Warning", "that unit is now 0000000103(Well 3 North)"},
        MarkCase{"SoundUnit", "0000000110(Gauge A)", "", ""}),
    test::RowName());

// Every finding is listed, problems first; selecting one selects its unit (the first it names); a file that holds
// no unit is listed with its line and selects nothing.
TEST_F(NetworkMapWindowTest, TheFindingsAreListedAndSelectingOneSelectsItsUnit) {
    test::WriteBytes(units / "notes.kuf", "Shopping list\r\n");
    showMap();
    struct Row {
        std::string text;  // the start of the row's text as reading software gets it
        std::string selects;
    };
    const std::vector<Row> rows{
        {"Problem: " + (units / "notes.kuf").string() + ":1: ", "0000000017(Mast Hill)"},  // the selection stays
        {"Problem: 0000000060(Reservoir) lists 0000000120(Valve 1)", "0000000060(Reservoir)"},
        {"Problem: 0000000043(Creek Weir) lists the lower unit 0000000111(Gauge B)", "0000000043(Creek Weir)"},
        {"Problem: A loop of upper units", "0000000070(Tower East)"},
        {"Problem: The lower ping entry 2 of 0000000017(Mast Hill)", "0000000017(Mast Hill)"},
        {"Warning: 0000000042(Pumpstation) names 0000000103(Well 3)", "0000000042(Pumpstation)"},
    };
    ASSERT_EQ(findings()->model()->rowCount(), static_cast<int>(rows.size()));
    tree()->setCurrentIndex(rowOf("0000000017(Mast Hill)"));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const QModelIndex finding = findings()->model()->index(row, 0);
        const std::string text = finding.data(Qt::AccessibleTextRole).toString().toStdString();
        EXPECT_EQ(text.rfind(rows[row].text, 0), 0u) << text;
        EXPECT_FALSE(finding.data(Qt::DecorationRole).isNull()) << text;
        findings()->setCurrentIndex(finding);
        EXPECT_EQ(selectedEntry(), rows[row].selects) << text;
    }
}

TEST_F(NetworkMapWindowTest, TheOpenUnitIsSelectedAndFollowsTheWindow) {
    ASSERT_TRUE(w.window->openUnitFile(unitFile("0000000102(Well 2)").string()));
    showMap();
    EXPECT_EQ(selectedEntry(), "0000000102(Well 2)");
    ASSERT_TRUE(w.window->openUnitFile(unitFile("0000000071(Tower West)").string()));
    EXPECT_EQ(selectedEntry(), "0000000071(Tower West)");
}

struct OpenCase {
    const char* name;
    Qt::Key key;      // a key on the selected unit (Enter comes from the keypad), or Key_unknown for a double-click
    bool saveFirst;  // the answer to the save question
};

class OpeningUnits : public NetworkMapWindowTest, public testing::WithParamInterface<OpenCase> {};

// A unit opens in the main window from the map after the save question of the open unit; Yes saves the open
// unit (here one from outside the library, so the save adds a unit to the library and to the map).
TEST_P(OpeningUnits, AUnitOpensAfterTheSaveQuestion) {
    ASSERT_TRUE(w.window->openUnitFile(KORU_SOURCE_DIR "/docs/samples/pumpstation.kuf"));  // 0000000042(Pumpstation)
    w.window->edit(QStringLiteral("Alias"), [](UnitConfiguration& unit) {
        unit.unit.alias = "Pumping Station";
        return true;
    });
    showMap();
    const QModelIndex well = rowOf("0000000101(Well 1)");
    w.dialogs.answers = {GetParam().saveFirst};
    if (GetParam().key != Qt::Key_unknown) {
        tree()->setCurrentIndex(well);
        QTest::keyClick(tree(), GetParam().key, GetParam().key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    } else {
        const QPoint at = tree()->visualRect(well).center();
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, at);
    }
    EXPECT_EQ(w.dialogs.shown, std::vector<Shown>{kSavePrompt});
    EXPECT_EQ(w.window->configuration().unit.id, "0000000101");
    EXPECT_EQ(w.window->windowHandle()->title(), "Well 1 - 0000000101");
    EXPECT_EQ(fs::exists(unitFile("0000000042(Pumping Station)")), GetParam().saveFirst);
    EXPECT_EQ(command->mapWindow()->busy(), GetParam().saveFirst);  // the save makes the map look again
    waitForScans();
    EXPECT_EQ(holds("0000000042(Pumping Station)"), GetParam().saveFirst);
    EXPECT_EQ(selectedEntry(), "0000000101(Well 1)");
}

INSTANTIATE_TEST_SUITE_P(Keys, OpeningUnits,
                         testing::Values(OpenCase{"DoubleClickSaving", Qt::Key_unknown, true},
                                         OpenCase{"ReturnSaving", Qt::Key_Return, true},
                                         OpenCase{"KeypadEnterNotSaving", Qt::Key_Enter, false},
                                         OpenCase{"DoubleClickNotSaving", Qt::Key_unknown, false}),
                         test::RowName());

struct ChangeCase {
    const char* name;
    std::function<void(test::EditingWindow&)> change;  // a change to the library made in the main window
    std::string added;    // an entry the map holds afterwards, or ""
    std::string removed;  // an entry it no longer holds, or ""
};

class LibraryChanges : public NetworkMapWindowTest, public testing::WithParamInterface<ChangeCase> {};

// Saving, creating and deleting a unit in the main window make the map look again at once (not only when the
// folder watch notices) and show the library as it is now.
TEST_P(LibraryChanges, TheMapFollowsTheWindowsChanges) {
    showMap();
    GetParam().change(w);
    EXPECT_TRUE(command->mapWindow()->busy());
    waitForScans();
    if (!GetParam().added.empty()) {
        EXPECT_TRUE(holds(GetParam().added));
    }
    if (!GetParam().removed.empty()) {
        EXPECT_FALSE(holds(GetParam().removed));
    }
}

void saveRenamed(test::EditingWindow& w) {
    ASSERT_TRUE(w.window->openUnitFile((w.files.library.unitsFolder() / "0000000110(Gauge A).kuf").string()));
    w.type("txtAlias", "Gauge East");
    QTest::keyClick(w.window.get(), Qt::Key_S, Qt::ControlModifier);
}

void createUnit(test::EditingWindow& w) {
    w.window->menus().newUnit->trigger();
    auto* dialog = w.openDialog<NewUnitDialog>();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(test::Control<QLineEdit>(dialog, "txtId"), "130");
    QTest::keyClicks(test::Control<QLineEdit>(dialog, "txtAlias"), "Valve 2");
    test::Click(dialog, "cmdOk");
}

void deleteUnit(test::EditingWindow& w) {
    w.window->menus().deleteUnit->trigger();
    auto* dialog = w.openDialog<DeleteUnitDialog>();
    ASSERT_NE(dialog, nullptr);
    auto* list = test::Control<ListBox>(dialog, "lstUnitInSystem");
    list->setCurrentRow(static_cast<int>(list->texts().indexOf("0000000102(Well 2)")));
    w.dialogs.answers = {true};
    test::Click(dialog, "cmdRemoveUnit");
    test::Click(dialog, "cmdClose");
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, LibraryChanges,
    testing::Values(ChangeCase{"SaveUnderANewAlias", saveRenamed, "0000000110(Gauge East)", "0000000110(Gauge A)"},
                    ChangeCase{"NewUnit", createUnit, "0000000130(Valve 2)", ""},
                    ChangeCase{"DeleteUnit", deleteUnit, "", "0000000102(Well 2)"}),
    test::RowName());

// Another program adds a unit file: the watch on the units folder brings it into the map while the map shows.
TEST_F(NetworkMapWindowTest, AUnitFileWrittenByAnotherProgramAppears) {
    showMap();
    test::WriteNetworkUnits(units, {test::NetworkUnit(104, "Well 4")});
    EXPECT_TRUE(QTest::qWaitFor([this] { return holds("0000000104(Well 4)"); }, kScanWaitMs));
}

// "Fix old aliases..." lists each entry it will rewrite and asks; Cancel changes nothing. Ok rewrites the file,
// and the open unit (the holder) takes the new entries too, so a later save keeps the fix; the user is told.
TEST_F(NetworkMapWindowTest, FixingOldAliasesListsAsksAndKeepsTheOpenUnitInStep) {
    const fs::path pump = unitFile("0000000042(Pumpstation)");
    const std::string before = test::ReadBytes(pump);
    ASSERT_TRUE(w.window->openUnitFile(pump.string()));
    NetworkMapWindow* map = showMap();
    auto* fix = test::Control<QPushButton>(map, "cmdFixAliases");
    ASSERT_TRUE(fix->isEnabled());

    for (const char* answer : {"cmdCancel", "cmdOk"}) {
        test::Click(fix);
        auto* dialog = w.openDialog<AliasFixDialog>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isModal());
        auto* changes = test::Control<QTreeWidget>(dialog, "lstAliasFixes");
        ASSERT_EQ(changes->topLevelItemCount(), 1);
        const QTreeWidgetItem* change = changes->topLevelItem(0);
        EXPECT_EQ((QStringList{change->text(0), change->text(1), change->text(2), change->text(3)}),
                  (QStringList{"0000000042(Pumpstation)", "Lower units, Lower ping", "0000000103(Well 3)",
                               "0000000103(Well 3 North)"}));
        EXPECT_EQ(test::Control<QLabel>(dialog, "lblQuestion")->text(), "Rewrite these entries in 1 unit file?");
        test::Click(dialog, answer);
        waitForScans();
    }
    const std::string after = test::ReadBytes(pump);
    EXPECT_NE(after, before);
    EXPECT_EQ(after.find("0000000103(Well 3)"), std::string::npos);
    EXPECT_EQ(w.dialogs.shown, (std::vector<Shown>{{"Rewrote 2 entries in 1 unit file.\nThe unit open in the window, "
                                                    "0000000042(Pumpstation), shows its 2 new entries as well.",
                                                    "Fix old aliases", false}}));
    const NetworkSetup& network = w.window->configuration().network;
    EXPECT_EQ(network.lowerUnits.back(), "0000000103(Well 3 North)");
    EXPECT_EQ(network.lowerPing.back(), "Short ping time - 0000000103(Well 3 North)");
    EXPECT_EQ(w.items("lstSlaveUnits").back(), "0000000103(Well 3 North)");
    EXPECT_FALSE(fix->isEnabled());  // no old alias left
    EXPECT_EQ(test::Control<QLabel>(map, "lblNetworkStatus")->text(),
              "11 units, 4 problems, 0 warnings. Rewrote 2 entries in 1 unit file.");
    w.window->saveUnit();
    EXPECT_EQ(test::ReadBytes(pump).find("0000000103(Well 3)"), std::string::npos);
}

// View > Network map (Ctrl+M) right after File and Edit; the tree and the list have names for reading software;
// Escape closes the map as it closes a dialog.
TEST_F(NetworkMapWindowTest, TheMenuItemAndTheNamesOfTheViews) {
    const QList<QAction*> menus = w.window->menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus[0]->menu(), w.window->menus().file);
    EXPECT_EQ(menus[1]->menu(), w.window->menus().edit);
    ASSERT_NE(menus[2]->menu(), nullptr);
    EXPECT_EQ(menus[2]->menu()->title(), "&View");
    QAction* item = menus[2]->menu()->actions().value(0);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Network map");
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    item->trigger();
    waitForScans();
    EXPECT_TRUE(command->mapWindow()->isVisible());
    EXPECT_EQ(tree()->accessibleName(), "Network of the library");
    EXPECT_EQ(findings()->accessibleName(), "Problems and warnings");
    QApplication::setActiveWindow(command->mapWindow());  // the offscreen platform activates no window itself
    QTest::keyClick(tree(), Qt::Key_Escape);
    EXPECT_FALSE(command->mapWindow()->isVisible());
}

class MapPictures : public NetworkMapWindowTest {};

// The map of the sample network and the alias fix's question fit on a 1280x800 screen. With KORU_SHOTS_DIR set
// (scripts/screenshots.sh does, on a virtual display), each is also saved as a picture.
TEST_F(MapPictures, TheMapAndTheAliasFixFitOnTheScreen) {
    ASSERT_TRUE(w.window->openUnitFile(unitFile("0000000042(Pumpstation)").string()));
    NetworkMapWindow* map = showMap();
    findings()->setCurrentIndex(findings()->model()->index(findings()->model()->rowCount() - 1, 0));
    test::Click(map, "cmdFixAliases");
    QWidget* dialog = w.openDialog<AliasFixDialog>();
    ASSERT_NE(dialog, nullptr);
    const QString folder = qEnvironmentVariable("KORU_SHOTS_DIR");
    dialog->adjustSize();
    for (const auto& [name, shown] : {std::pair{"40-network-map", static_cast<QWidget*>(map)}, {"41-fix-old-aliases", dialog}}) {
        EXPECT_LE(shown->frameGeometry().width(), 1280) << name;
        EXPECT_LE(shown->frameGeometry().height(), 800) << name;
        if (!folder.isEmpty()) {
            EXPECT_TRUE(shown->grab().save(folder + "/" + name + ".png")) << name;
        }
    }
}

}  // namespace
}  // namespace koru
