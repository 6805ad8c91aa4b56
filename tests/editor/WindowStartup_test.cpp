#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>

#include "editor/ChoiceBox.h"
#include "editor/ListBox.h"
#include "model/SettingCatalog.h"
#include "tests/editor/WindowFixture.h"

namespace koru::test {
namespace {

using WindowStartup = WindowFixture;

TEST_F(WindowStartup, TwelveTabsHoldTheirFramesAndTheKeyboardMovesBetweenThem) {
    auto* tabs = get<QTabWidget>("sstEvents");
    const char* containers[] = {"fraOverview", "fraOtherUnits", "fraCommSetup", "fraIO", "fraMessage", "Frame3",
                                "fraTimerCounterCommEvents", "fraRemotes", "fraMessAction", "fraOutputFlagAction",
                                "fraTimerCounterAction", "fraMisc"};
    ASSERT_EQ(tabs->count(), 12);
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_TRUE(tabs->widget(i)->isAncestorOf(get(containers[i]))) << containers[i];
    }
    EXPECT_TRUE(tabs->widget(3)->isAncestorOf(get("fraSleepSetup")));

    showActive();
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 2);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 11);
    QTest::mouseClick(get("tab4"), Qt::LeftButton);
    EXPECT_EQ(tabs->currentIndex(), 4);
    EXPECT_EQ(window->objectName(), "frmSetUpKoru");
    EXPECT_EQ(window->windowTitle(), "Setup KORU-unit");
}

// A new window shows a new unit's settings, and the editor's own fields start as a technician expects.
TEST_F(WindowStartup, NewWindowShowsTheDefaults) {
    const UnitConfiguration fresh;
    for (const Setting& setting : Settings()) {
        for (int index = 0; index < setting.size(); ++index) {
            QWidget* control = get(Name(setting, index));
            ShowItsRow(control);
            EXPECT_EQ(Shown(control), FieldValue(setting, fresh, index)) << Name(setting, index).toStdString();
        }
    }
    const std::pair<const char*, const char*> texts[] = {
        {"lblFreq", "433 MHz"}, {"cmbMessageNumber", "1"}, {"cmbUnitAction", "ms"},  {"txtTimeAction", ""},
        {"txtCountAction", ""}, {"cmbTimerNr(3)", "1"},    {"cmbCounterNr(0)", "1"}, {"lblId", ""},
        {"lblType", "KORU Base"},                          {"txtOutputFlagAction(11)", "-"},
    };
    for (const auto& [name, text] : texts) EXPECT_EQ(Shown(get(name)), text) << name;
    for (const char* broadcast : {"optAllOn", "optOnlyDown", "optAllOff"}) {
        EXPECT_FALSE(get<QRadioButton>(broadcast)->isEnabled()) << broadcast;
    }
}

// Every setting of the catalog has exactly one control of its kind, which names it for assistive tools.
TEST_F(WindowStartup, EveryFieldHasExactlyOneControlOfItsKind) {
    const auto expectKind = [this](const QString& name, FieldKind kind) {
        QWidget* control = get(name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(window->findChildren<QWidget*>(name).size(), 1) << name.toStdString();
        switch (kind) {
            case FieldKind::Label: EXPECT_TRUE(qobject_cast<QLabel*>(control)) << name.toStdString(); break;
            case FieldKind::FreeText:
            case FieldKind::Number:
            case FieldKind::Cell: EXPECT_TRUE(qobject_cast<QLineEdit*>(control)) << name.toStdString(); break;
            case FieldKind::Choice: EXPECT_TRUE(qobject_cast<ChoiceBox*>(control)) << name.toStdString(); break;
            case FieldKind::Flag: EXPECT_TRUE(qobject_cast<QCheckBox*>(control)) << name.toStdString(); break;
            case FieldKind::Option: EXPECT_TRUE(qobject_cast<QRadioButton*>(control)) << name.toStdString(); break;
            case FieldKind::List: EXPECT_TRUE(qobject_cast<ListBox*>(control)) << name.toStdString(); break;
        }
        if (kind != FieldKind::Label) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << name.toStdString();
        }
    };
    for (const Setting& setting : Settings()) {
        for (int index = 0; index < setting.size(); ++index) {
            expectKind(QString::fromStdString(ControlName(setting, index)), setting.kind);
        }
    }
}

// A caption stands for its field; a text takes no more characters than its setting allows to be typed.
TEST_F(WindowStartup, CaptionsStandForTheirFieldsAndTypingIsLimited) {
    auto* alias = get<QLineEdit>("txtAlias");
    bool buddied = false;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == alias && label->text() == "Alias:") buddied = true;
    }
    EXPECT_TRUE(buddied);
    for (const Setting& setting : Settings()) {
        if (setting.typingLimit == 0 || setting.kind == FieldKind::Cell) continue;
        auto* field = get<QLineEdit>(Name(setting, 0));
        showTabOf(field);
        QTest::keyClicks(field, QString(setting.typingLimit + 5, QChar('7')));
        EXPECT_EQ(field->text().size(), setting.typingLimit) << Name(setting, 0).toStdString();
    }
    auto* time = get<QLineEdit>("txtTimeAction");
    QTest::keyClicks(time, "123456");
    EXPECT_EQ(time->text(), "1234");
}

// Tab moves through a tab's fields as they are read: along a row, then down to the next row.
TEST_F(WindowStartup, TabFollowsTheReadingOrder) {
    showActive();
    get<QCheckBox>("chkBitMaskOn(0)")->setChecked(true);
    const auto order = [this](int tab, const char* from, int steps) {
        get<QTabWidget>("sstEvents")->setCurrentIndex(tab);
        get(from)->setFocus();
        QStringList names;
        for (int step = 0; step < steps; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names.append(QApplication::focusWidget()->objectName());
        }
        return names;
    };
    EXPECT_EQ(order(2, "txtTime(0)", 5),
              QStringList({"cmbTimerUnit(0)", "txtTime(1)", "cmbTimerUnit(1)", "txtTime(2)", "cmbTimerUnit(2)"}));
    EXPECT_EQ(order(5, "chkBitMaskOn(0)", 3), QStringList({"txtInputA(0)", "txtInputA(1)", "txtInputA(2)"}));
}

TEST_F(WindowStartup, FoldersAreCreatedAndTheUnitListsFilled) {
    EXPECT_TRUE(std::filesystem::is_directory(library.path() / "Units"));
    EXPECT_TRUE(std::filesystem::is_directory(library.path() / "Parameter files"));
    WriteBytes(library.path() / "Units" / "0000000012(Pump).kuf", "-Unit\r\nId=0000000012\r\n");
    WriteBytes(library.path() / "Units" / FileSystemName("0000000007(P\xFCmp \xD8st).kuf"), "-Unit\r\nId=0000000007\r\n");
    window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
    const auto items = [this](const char* name) { return get<ListBox>(name)->texts(); };
    const QString pump = "0000000012(Pump)";
    const QString pumpOst = QString::fromUtf8("0000000007(Pümp Øst)");
    EXPECT_EQ(items("lstUnitInSystem"), QStringList({pumpOst, pump}));
    EXPECT_EQ(items("lstDest"), QStringList({"[Serial port]", "[Upper unit]", pumpOst, pump, "[General Broadcast]"}));
    EXPECT_EQ(items("lstDestOutputFlag"), QStringList({"-", "[Upper unit]", pumpOst, pump, "[General Broadcast]"}));
    EXPECT_EQ(get<ListBox>("lstUnitInSystem")->currentRow(), -1);
}

TEST_F(WindowStartup, WindowEnabledStateCoversFieldsAndMenus) {
    showActive();
    window->setWindowEnabled(false);
    EXPECT_FALSE(window->isWindowEnabled());
    EXPECT_FALSE(get("txtAlias")->isEnabled());
    EXPECT_FALSE(window->menuBar()->isEnabled());
    ASSERT_TRUE(open("-Unit\r\nId=0000000001\r\n"));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(std::filesystem::exists(savedFile()));
    window->setWindowEnabled(true);
    EXPECT_TRUE(get("txtAlias")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(std::filesystem::exists(savedFile()));
}

}  // namespace
}  // namespace koru::test
