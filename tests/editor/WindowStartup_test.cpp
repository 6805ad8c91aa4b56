#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "editor/ChoiceBox.h"
#include "editor/EditorFields.h"
#include "model/SettingCatalog.h"
#include "tests/editor/WindowFixture.h"

namespace koru::test {
namespace {

using WindowStartup = WindowFixture;

QString Text(QWidget* field) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) return edit->text();
    if (auto* box = qobject_cast<QComboBox*>(field)) return box->currentText();
    if (auto* label = qobject_cast<QLabel*>(field)) return label->text();
    return {};
}

TEST_F(WindowStartup, TwelveTabsInOrderWithTheirCaptions) {
    auto* tabs = get<QTabWidget>("sstEvents");
    const QStringList captions{"KORU unit",
                               "Network setup",
                               "Timer, counter, comm. setup",
                               "Input, sleep setup",
                               "Messages events",
                               "I/O and sleep events",
                               "Timer, counter, comm. events",
                               "Remote control events",
                               "Message actions",
                               "Output and flag actions",
                               "Timers and counter actions",
                               "Misc."};
    ASSERT_EQ(tabs->count(), captions.size());
    const char* containers[] = {"fraOverview", "fraOtherUnits", "fraCommSetup", "fraIO", "fraMessage", "Frame3",
                                "fraTimerCounterCommEvents", "fraRemotes", "fraMessAction", "fraOutputFlagAction",
                                "fraTimerCounterAction", "fraMisc"};
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
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

// What a new window shows, as a technician checks it first.
TEST_F(WindowStartup, NewWindowShowsTheDefaults) {
    const std::pair<const char*, const char*> texts[] = {
        {"cmbRadioFreq", "0"},          {"lblFreq", "433 MHz"},          {"cmbNrOfRetransmissions", "3"},
        {"txtRetransmissionMinTime", "200"}, {"txtRetransmissionMaxTime", "600"}, {"cmbSerialBaudrate", "9600"},
        {"cmbSerialBits", "8"},         {"cmbSerialParity", "None"},     {"cmbSerialStopBit", "1"},
        {"cmbRadioProtocol", "<KORU-Standard>"}, {"cmbSerialProtocol", "<RS-232>"}, {"cmbSerialTimeout", "100ms"},
        {"cmbEndOfText", "<None>"},     {"txtUserDefinedPingTime", "0"}, {"cmbPingTimeUnit", "s"},
        {"cmbPingTime", "No ping"},     {"cmbTypeOfUnit", "KORU Base"},  {"lblType", "KORU Base"},
        {"cmbMessageNumber", "1"},      {"cmbUnitAction", "ms"},         {"txtAlias", ""},
        {"lblId", ""},                  {"txtTimeAction", ""},           {"txtCountAction", ""},
    };
    for (const auto& [name, text] : texts) EXPECT_EQ(Text(get(name)), text) << name;
    EXPECT_TRUE(get<QRadioButton>("optGatewayOn")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("optAllOff")->isChecked());
    for (const char* broadcast : {"optAllOn", "optOnlyDown", "optAllOff"}) {
        EXPECT_FALSE(get<QRadioButton>(broadcast)->isEnabled()) << broadcast;
    }
    EXPECT_TRUE(get<QRadioButton>("optBaseVolt")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("optSleepHigh")->isChecked());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Text(get(QString("txtTime(%1)").arg(i))), "0");
        EXPECT_EQ(Text(get(QString("cmbTimerUnit(%1)").arg(i))), "ms");
        EXPECT_EQ(Text(get(QString("txtCount(%1)").arg(i))), "0");
        EXPECT_EQ(Text(get(QString("cmbTimerNr(%1)").arg(i))), "1");
        EXPECT_EQ(Text(get(QString("cmbCounterNr(%1)").arg(i))), "1");
    }
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(get<QCheckBox>(QString("chkFromUart(%1)").arg(i))->isChecked());
        EXPECT_FALSE(get<QCheckBox>(QString("chkFromRadio(%1)").arg(i))->isChecked());
        EXPECT_EQ(Text(get(QString("cmbTypeOfMessage(%1)").arg(i))), "Message");
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(get<QCheckBox>(QString("chkOnOff(%1)").arg(i))->isChecked());
        EXPECT_TRUE(get<QRadioButton>(QString("opAnalogue(%1)").arg(i))->isChecked());
        const std::pair<const char*, const char*> inputs[] = {{"txtLimit1", "4"}, {"txtLimit2", "1"},
                                                              {"txtHysteresis", "0"}, {"txtHysteresisLow", "0"},
                                                              {"txtScale", "1"}, {"txtOffset", "0"}};
        for (const auto& [name, text] : inputs) EXPECT_EQ(Text(get(QString("%1(%2)").arg(name).arg(i))), text);
    }
    for (const char* cells : {"txtInputA", "txtInputB", "txtOutput", "txtFlag"}) {
        const int count = QString(cells).startsWith("txtInput") ? 144 : QString(cells) == "txtOutput" ? 96 : 192;
        for (int i = 0; i < count; ++i) EXPECT_EQ(Text(get(QString("%1(%2)").arg(cells).arg(i))), "-");
    }
    for (int i = 0; i < 12; ++i) EXPECT_EQ(Text(get(QString("txtOutputFlagAction(%1)").arg(i))), "-");
}

// Every setting of the catalog and every editor-only control has exactly one control of its kind.
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
            case FieldKind::List: EXPECT_TRUE(qobject_cast<QListWidget*>(control)) << name.toStdString(); break;
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
    for (const EditorField& field : EditorFields()) {
        for (int i = 0; i < field.count; ++i) {
            const int index = field.firstIndex < 0 ? -1 : field.firstIndex + i;
            expectKind(ObjectName(field.control, index), field.kind);
        }
    }
}

TEST_F(WindowStartup, ButtonsOfOtherPartsAreInPlaceButDisabled) {
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdSetup", "SEND TO &UNIT"},
        {"cmdAddMasterUnit", "S&elect upper unit"},
        {"cmdDeleteMasterUnit", "&Delete upper unit"},
        {"cmdAddSlaveUnit", "&Add lower unit"},
        {"cmdRemoveSlaveUnit", "&Remove lower unit"},
        {"cmdChangeUpperPingTime", "Change &upper unit ping time"},
        {"cmdChangeLowerPingTime", "Change &lower unit ping time"},
        {"cmdAddParameter", "Add &parameter"},
        {"cmdCreateMessageAction", "&Create action"},
        {"cmdDeleteMessAction", "&Delete action"},
        {"cmdCreateOutputFlagAction", "&Create action"},
        {"cmdDeleteOutputFlagAction", "&Delete action"},
        {"cmdCreateTimerAction(3)", "&Create action"},
        {"cmdCreateCounterrAction(0)", "&Create action"},
        {"cmdDeleteTimerAction", "&Delete action"},
        {"cmdDeleteCounterAction", "&Delete action"},
        {"cmdAddActionMessage(21)", "&Actions"},
        {"cmdAddActionsTypeOfMessage(5)", "&Actions"},
        {"cmdAddActionBitMask(23)", "&Actions"},
        {"cmdAddActionSleep", "&Actions"},
        {"cmdAddActionTimer(3)", "&Actions"},
        {"cmdAddActionCounter(3)", "&Actions"},
        {"cmdAddActionsCounterZero(3)", "&Actions"},
        {"cmdAddActionNoReciept", "&Actions"},
        {"cmdAddActionsUnitBooting", "&Actions"},
        {"cmdAddActionRemote(23)", "&Actions"},
        {"cmdAddButton(0)", "Add controls"},
    };
    for (const auto& [name, caption] : buttons) {
        auto* button = get<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption) << name;
        EXPECT_FALSE(button->isEnabled()) << name;
    }
}

TEST_F(WindowStartup, HiddenFieldsStayHidden) {
    window->show();
    for (const char* name : {"cmbTypeOfUnit", "lstRemote", "cmdAddRemote", "cmdRemoveRemote", "List1", "lstRemotes",
                             "lblIO", "lblSerialComm", "lblRadioComm", "fraWeb", "fraGSM", "fraRemoteEvent",
                             "chkTypeOfMessageOn(1)", "chkTypeOfMessageOn(3)", "chkRemoteAction(0)"}) {
        EXPECT_FALSE(get(name)->isVisibleTo(window.get())) << name;
    }
    EXPECT_FALSE(get("chkRemoteAction(5)")->isEnabled());
    EXPECT_FALSE(get("lstRemote")->isEnabled());
}

TEST_F(WindowStartup, CaptionsStandForTheirFieldsAndTypingIsLimited) {
    auto* alias = get<QLineEdit>("txtAlias");
    bool buddied = false;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == alias && label->text() == "Alias:") buddied = true;
    }
    EXPECT_TRUE(buddied);
    EXPECT_EQ(get("txtInputA(13)")->accessibleName(), "Mask 3: Input A 2");
    EXPECT_EQ(get("chkTimerOn(1)")->accessibleName(), "Timer 2: On");

    QTest::keyClicks(alias, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(alias->text(), "ABCDEFGHIJKLMNOPQRST");
    auto* message = get<QLineEdit>("txtTextString(4)");
    QTest::keyClicks(message, QString(35, QChar('m')));
    EXPECT_EQ(message->text().size(), 30);
    auto* time = get<QLineEdit>("txtTimeAction");
    QTest::keyClicks(time, "123456");
    EXPECT_EQ(time->text(), "1234");
    auto* count = get<QLineEdit>("txtIncCount");
    QTest::keyClicks(count, "12345678901");
    EXPECT_EQ(count->text(), "123456789");
}

// Tab moves through a tab's fields as they are read: along a row, then down to the next row.
TEST_F(WindowStartup, TabFollowsTheReadingOrder) {
    showActive();
    get<QTabWidget>("sstEvents")->setCurrentIndex(2);
    get("txtTime(0)")->setFocus();
    QStringList order;
    for (int step = 0; step < 5; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(order, QStringList({"cmbTimerUnit(0)", "txtTime(1)", "cmbTimerUnit(1)", "txtTime(2)", "cmbTimerUnit(2)"}));

    get<QTabWidget>("sstEvents")->setCurrentIndex(5);
    get<QCheckBox>("chkBitMaskOn(0)")->setChecked(true);
    get("chkBitMaskOn(0)")->setFocus();
    order.clear();
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(order, QStringList({"txtInputA(0)", "txtInputA(1)", "txtInputA(2)"}));
}

TEST_F(WindowStartup, FileMenuInOrderWithShortcuts) {
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.front()->text(), "&File");
    QStringList items;
    for (QAction* action : window->fileMenu()->actions()) items.append(action->isSeparator() ? "-" : action->objectName());
    EXPECT_EQ(items, QStringList({"mnuOpenKoru", "mnuSaveKoru", "-", "mnuImportKoru", "-", "mnuExit"}));
    EXPECT_EQ(window->menuAction("mnuOpenKoru")->text(), "&Open KORU unit");
    EXPECT_EQ(window->menuAction("mnuOpenKoru")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(window->menuAction("mnuSaveKoru")->text(), "&Save KORU unit");
    EXPECT_EQ(window->menuAction("mnuSaveKoru")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(window->menuAction("mnuImportKoru")->text(), "&Import KORU unit");
    EXPECT_EQ(window->menuAction("mnuExit")->text(), "E&xit");
    EXPECT_EQ(window->menuAction("mnuExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(WindowStartup, FoldersAreCreatedAndTheUnitListsFilled) {
    EXPECT_TRUE(std::filesystem::is_directory(library.path() / "Units"));
    EXPECT_TRUE(std::filesystem::is_directory(library.path() / "Parameter files"));
    WriteBytes(library.path() / "Units" / "0000000012(Pump).kuf", "-Unit\r\nId=0000000012\r\n");
    WriteBytes(library.path() / "Units" / FileSystemName("0000000007(P\xFCmp \xD8st).kuf"), "-Unit\r\nId=0000000007\r\n");
    window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
    const auto items = [this](const char* name) {
        QStringList texts;
        auto* list = get<QListWidget>(name);
        for (int row = 0; row < list->count(); ++row) texts.append(list->item(row)->text());
        return texts;
    };
    const QString pump = "0000000012(Pump)";
    const QString pumpOst = QString::fromUtf8("0000000007(Pümp Øst)");
    EXPECT_EQ(items("lstUnitInSystem"), QStringList({pumpOst, pump}));
    EXPECT_EQ(items("lstDest"), QStringList({"[Serial port]", "[Upper unit]", pumpOst, pump, "[General Broadcast]"}));
    EXPECT_EQ(items("lstDestOutputFlag"), QStringList({"-", "[Upper unit]", pumpOst, pump, "[General Broadcast]"}));
    EXPECT_EQ(window->fieldText("lstUnitInSystem"), "");
}

TEST_F(WindowStartup, WindowEnabledStateCoversFieldsAndMenus) {
    showActive();
    window->setWindowEnabled(false);
    EXPECT_FALSE(window->isWindowEnabled());
    EXPECT_FALSE(get("txtAlias")->isEnabled());
    EXPECT_FALSE(window->menuBar()->isEnabled());
    window->configuration().unit.id = "0000000001";
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(std::filesystem::exists(savedFile()));
    window->setWindowEnabled(true);
    EXPECT_TRUE(get("txtAlias")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(std::filesystem::exists(savedFile()));
}

}  // namespace
}  // namespace koru::test
