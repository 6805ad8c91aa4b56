#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QUndoStack>

#include <functional>
#include <map>

#include "editor/EditHistory.h"
#include "editor/dialogs/AddActionDialog.h"
#include "editor/dialogs/AddParameterDialog.h"
#include "model/UnitFile.h"
#include "tests/editor/WindowFixture.h"
#include "tests/editor/WindowTesting.h"

namespace koru {
namespace {

const char* const kSample = KORU_SOURCE_DIR "/docs/samples/pumpstation.kuf";

// Everything the window shows of the unit: each named control's value and whether it is hidden (an event's
// frame follows its switch), so an undo that restores the unit but not its view is caught.
using View = std::map<QString, std::pair<std::string, bool>>;

View ViewOf(const MainWindow& window) {
    View view;
    for (QWidget* control : window.centralWidget()->findChildren<QWidget*>()) {
        // (Qt's own parts, such as a scroll area's bar container, come and go with the layout.)
        if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_")) view[control->objectName()] = {test::Shown(control), control->isHidden()};
    }
    return view;
}

// The controls whose value or visibility differ, for a readable failure.
std::vector<QString> Differing(const View& actual, const View& expected) {
    std::vector<QString> names;
    for (const auto& [name, shown] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end() || found->second != shown) names.push_back(name);
    }
    return names;
}

QString Plain(const QAction* item) { return item->text().remove(QLatin1Char('&')); }

class EditHistoryTest : public ::testing::Test {
public:
    void SetUp() override { ASSERT_TRUE(w.window->openUnitFile(kSample)); }

    std::string saved() const { return UnitFileText(w.window->configuration()); }
    int steps() const { return w.window->history().steps().count(); }
    QAction* undo() const { return w.window->menus().undo; }
    QAction* redo() const { return w.window->menus().redo; }

    // Clicks into `field` (a text field or an editable drop-down) and types `text` over what it holds.
    void typeInto(const QString& name, const QString& text) const {
        QWidget* field = w.get(name);
        w.showTabOf(field);
        QApplication::setActiveWindow(w.window.get());
        if (auto* box = qobject_cast<QComboBox*>(field)) field = box->lineEdit();
        QTest::mouseClick(field, Qt::LeftButton);
        qobject_cast<QLineEdit*>(field)->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    // Gives the keyboard focus to another field, as a click there would.
    void leaveField() const { QTest::mouseClick(w.get("txtTime(3)"), Qt::LeftButton); }

    // The library's units make destinations and lower units to pick.
    test::EditingWindow w{{"0000000017(Mast Hill).kuf", "0000000201(Tower).kuf"}};
};

struct EditCase {
    const char* name;
    const char* step;  // the step's name in the Edit menu
    std::function<void(EditHistoryTest&, test::EditingWindow&)> prepare;
    std::function<void(EditHistoryTest&, test::EditingWindow&)> act;
};

void PrintTo(const EditCase& edit, std::ostream* out) { *out << edit.name; }

class EveryEdit : public EditHistoryTest, public ::testing::WithParamInterface<EditCase> {};

// Each kind of change is one step: undo brings back the saved bytes and the whole view from before it, redo
// those from after it, again and again, and neither adds a step.
TEST_P(EveryEdit, IsOneStepThatUndoAndRedoTakeBackAndForth) {
    const EditCase& edit = GetParam();
    if (edit.prepare) edit.prepare(*this, w);
    const std::string bytesBefore = saved();
    const View viewBefore = ViewOf(*w.window);
    const int stepsBefore = steps();

    edit.act(*this, w);
    const std::string bytesAfter = saved();
    const View viewAfter = ViewOf(*w.window);
    ASSERT_NE(bytesAfter, bytesBefore);
    EXPECT_EQ(steps(), stepsBefore + 1);
    EXPECT_EQ(Plain(undo()), QString("Undo ") + edit.step);
    EXPECT_FALSE(redo()->isEnabled());

    for (int round = 0; round < 2; ++round) {
        undo()->trigger();
        EXPECT_TRUE(test::SameUnitFile(saved(), bytesBefore));
        EXPECT_EQ(Differing(ViewOf(*w.window), viewBefore), std::vector<QString>{});
        EXPECT_EQ(Plain(redo()), QString("Redo ") + edit.step);
        redo()->trigger();
        EXPECT_TRUE(test::SameUnitFile(saved(), bytesAfter));
        EXPECT_EQ(Differing(ViewOf(*w.window), viewAfter), std::vector<QString>{});
        EXPECT_EQ(steps(), stepsBefore + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EditHistoryTest, EveryEdit,
    ::testing::Values(
        EditCase{"TypingInAField", "Alias", {}, [](EditHistoryTest& fixture, auto&) { fixture.typeInto("txtAlias", "Pump 2"); }},
        EditCase{"ACheckBox", "Timer 2: On", {}, [](auto&, test::EditingWindow& w) { w.check("chkTimerOn(1)"); }},
        EditCase{"AnOption", "Input 3: Digital", {}, [](auto&, test::EditingWindow& w) { w.check("optDigital(2)"); }},
        EditCase{"ADropDown", "Channel", {}, [](auto&, test::EditingWindow& w) { w.choose("cmbRadioFreq", "12"); }},
        EditCase{"AMaskCell", "Mask 2: Input A 2",
                 {},
                 [](auto&, test::EditingWindow& w) {
                     QWidget* cell = w.get("txtInputA(7)");
                     w.showTabOf(cell);
                     QTest::mouseDClick(cell, Qt::LeftButton);
                 }},
        EditCase{"CreatingAnAction", "New action",
                 [](auto&, test::EditingWindow& w) { w.selectText("lstDest", "0000000201(Tower)"); },
                 [](auto&, test::EditingWindow& w) { w.press("cmdCreateMessageAction"); }},
        EditCase{"DeletingAnAction", "Delete action",
                 [](auto&, test::EditingWindow& w) { w.select("lstTimerActions", 0); },
                 [](auto&, test::EditingWindow& w) { w.press("cmdDeleteTimerAction"); }},
        EditCase{"TheActionsDialogsPicks", "Timer 2: Actions", {},
                 [](auto&, test::EditingWindow& w) {
                     w.press("cmdAddActionTimer(1)");
                     auto* dialog = w.openDialog<AddActionDialog>();
                     ASSERT_NE(dialog, nullptr);
                     test::Control<QListWidget>(dialog, "lstAction")->setCurrentRow(0);
                     test::Click(dialog, "cmdAddAction");
                     test::Click(dialog, "cmdOk");
                 }},
        EditCase{"AddingALowerUnit", "Add lower unit",
                 [](auto&, test::EditingWindow& w) { w.selectText("lstUnitInSystem", "0000000201(Tower)"); },
                 [](auto&, test::EditingWindow& w) { w.press("cmdAddSlaveUnit"); }},
        EditCase{"RemovingALowerUnit", "Remove lower unit",
                 [](auto&, test::EditingWindow& w) { w.select("lstSlaveUnits", 1); },
                 [](auto&, test::EditingWindow& w) { w.press("cmdRemoveSlaveUnit"); }},
        EditCase{"AParameterInAMessageText", "Add parameter", {},
                 [](auto&, test::EditingWindow& w) {
                     w.press("cmdAddParameter");
                     test::Click(w.openDialog<AddParameterDialog>(), "cmdAddParam(1)");
                 }},
        EditCase{"AnImport", "Import",
                 [](auto&, test::EditingWindow& w) {
                     const auto file = w.files.library.parameterFilesFolder() / "radio.kpf";
                     test::WriteBytes(file, "-Radio\r\nChannel=81\r\nRetransmitt=2\r\n");
                     w.dialogs.files.push_back(file.string());
                 },
                 [](auto&, test::EditingWindow& w) { w.window->menus().importUnit->trigger(); }}),
    [](const ::testing::TestParamInfo<EditCase>& row) { return std::string(row.param.name); });

// Keys typed into one field are one step until the focus leaves it; coming back starts the next one.
TEST_F(EditHistoryTest, TypingInOneFieldIsOneStepUntilTheFocusLeaves) {
    const std::string alias = w.window->configuration().unit.alias;
    typeInto("txtAlias", "Tank");
    EXPECT_EQ(steps(), 1);
    leaveField();
    typeInto("txtAlias", "Tank 7");
    EXPECT_EQ(steps(), 2);
    undo()->trigger();
    EXPECT_EQ(w.get<QLineEdit>("txtAlias")->text(), "Tank");
    EXPECT_EQ(w.get<QLabel>("lblAlias")->text(), "Tank");
    undo()->trigger();
    EXPECT_EQ(w.window->configuration().unit.alias, alias);
    EXPECT_FALSE(undo()->isEnabled());
}

// What leaving a field corrects belongs to the field's step: the field's own text, and the timer's time that a
// new unit rounds.
TEST_F(EditHistoryTest, TheCorrectionsOfLeavingAFieldArePartOfItsStep) {
    const UnitConfiguration before = w.window->configuration();
    typeInto("txtTime(0)", "4321");
    leaveField();
    EXPECT_EQ(w.window->configuration().timers[0].time, "4000");
    auto* unit = w.get<QComboBox>("cmbTimerUnit(1)");  // timer 2 runs 30 s
    unit->setFocus();
    QTest::keyClick(unit, Qt::Key_Home);  // "ms"
    leaveField();
    EXPECT_EQ(w.window->configuration().timers[1].time, "0");
    EXPECT_EQ(steps(), 2);
    EXPECT_EQ(Plain(undo()), "Undo Timer 2: unit");
    undo()->trigger();
    undo()->trigger();
    EXPECT_TRUE(test::SameUnitFile(UnitFileText(w.window->configuration()), UnitFileText(before)));
}

// Typing that ends where it began leaves no step behind.
TEST_F(EditHistoryTest, TypingBackToTheValueLeavesNoStep) {
    QWidget* alias = w.get("txtAlias");
    w.showTabOf(alias);
    QApplication::setActiveWindow(w.window.get());
    QTest::mouseClick(alias, Qt::LeftButton);
    QTest::keyClick(alias, Qt::Key_End);
    QTest::keyClick(alias, Qt::Key_X);
    EXPECT_EQ(steps(), 1);
    QTest::keyClick(alias, Qt::Key_Backspace);
    EXPECT_EQ(steps(), 0);
    EXPECT_FALSE(undo()->isEnabled());
}

// The Edit menu's keys reach the history while a text field has the focus, instead of the field's own undo.
TEST_F(EditHistoryTest, TheMenusKeysWorkInsideATextField) {
    const std::string was = w.window->configuration().unit.alias;
    w.check("chkTimerOn(2)");
    typeInto("txtAlias", "Tank");
    QWidget* alias = w.get("txtAlias");
    QTest::keyClick(alias, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.window->configuration().unit.alias, was);
    QTest::keyClick(alias, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(w.window->configuration().timerEvents[2].on);
    QTest::keyClick(alias, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(w.window->configuration().timerEvents[2].on);
    QTest::keyClick(alias, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.get<QLineEdit>("txtAlias")->text(), "Tank");
    EXPECT_EQ(steps(), 2);
}

// Open, New and restored edits start a fresh history; a failed open keeps it.
TEST_F(EditHistoryTest, OpenNewAndRestoredEditsStartAFreshHistory) {
    const std::vector<std::pair<const char*, std::function<void()>>> starts{
        {"Open", [&] { ASSERT_TRUE(w.window->openUnitFile(kSample)); }},
        {"New", [&] { w.window->replaceConfiguration(UnitConfiguration{}); }},
        {"Restored edits", [&] { w.window->restoreEdits(w.window->configuration()); }},
    };
    for (const auto& [name, start] : starts) {
        w.check("chkTimerOn(1)");
        ASSERT_TRUE(undo()->isEnabled()) << name;
        start();
        EXPECT_EQ(steps(), 0) << name;
        EXPECT_FALSE(undo()->isEnabled()) << name;
        EXPECT_EQ(Plain(undo()), "Undo") << name;
    }
    w.check("chkTimerOn(1)");
    EXPECT_FALSE(w.window->openUnitFile((w.files.dir.path() / "missing.kuf").string()));
    EXPECT_EQ(steps(), 1);
}

// The Edit menu stands between File and View, its items named after the steps. With KORU_SHOTS_DIR set
// (scripts/screenshots.sh) the window with the menu open is saved as a picture.
TEST(WindowPictures, TheEditMenuNamesTheSteps) {
    test::EditingWindow w{{"0000000017(Mast Hill).kuf", "0000000101(Well 1).kuf"}};
    ASSERT_TRUE(w.window->openUnitFile(kSample));
    w.choose("cmbRadioFreq", "12");
    w.check("chkRadioACK");
    w.window->menus().undo->trigger();

    QStringList titles;
    for (QAction* menu : w.window->menuBar()->actions()) titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Settings", "&Help"}));
    QMenu* edit = w.window->menus().edit;
    w.window->menuBar()->setActiveAction(edit->menuAction());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    EXPECT_EQ(w.window->menus().undo->text(), "&Undo Channel");
    EXPECT_EQ(w.window->menus().redo->text(), "&Redo Radio: acknowledge received: On");
    EXPECT_EQ(w.window->menus().undo->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(w.window->menus().redo->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));

    const QString folder = qEnvironmentVariable("KORU_SHOTS_DIR");
    if (!folder.isEmpty()) {
        QPixmap picture = w.window->grab();
        QPainter painter(&picture);
        painter.drawPixmap(edit->pos() - w.window->mapToGlobal(QPoint(0, 0)), edit->grab());
        painter.end();
        EXPECT_TRUE(picture.save(folder + "/12-edit-menu.png"));
    }
    edit->close();
}

}  // namespace
}  // namespace koru
