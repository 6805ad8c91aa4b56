#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "editor/ChoiceBox.h"
#include "editor/ListBox.h"
#include "editor/SettingBinder.h"
#include "model/FileSyntax.h"
#include "model/SettingCatalog.h"
#include "model/SettingChanges.h"
#include "platform/widgets/WidgetText.h"
#include "tests/editor/WindowFixture.h"
#include "tests/support/GeneratedUnits.h"
#include "tests/support/Korucfg.h"

namespace koru::test {
namespace {

using Binding = WindowFixture;

// Sets a control the way the user does (only the kinds the user can change).
void Change(QWidget* control, const std::string& value) {
    const QString text = ToWidgetText(value);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(text);
    if (auto* box = qobject_cast<ChoiceBox*>(control)) box->setValue(text);
    if (auto* check = qobject_cast<QCheckBox*>(control)) check->setChecked(value == "1");
    if (auto* option = qobject_cast<QRadioButton*>(control); option && value == "1") option->setChecked(true);
}

bool ProgramOnly(const Setting& setting) {
    return setting.kind == FieldKind::Label || setting.kind == FieldKind::List;
}

// For many generated units: every control shows its setting after an open, and saving writes exactly what
// `korucfg normalize` writes for the same file.
TEST_F(Binding, OpenedUnitsAreShownInEveryFieldAndSavedUnchanged) {
    for (int seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
        const std::string file = UnitFileText(GeneratedUnit(seed));
        ASSERT_TRUE(open(file));
        const UnitConfiguration& config = window->configuration();
        for (const Setting& setting : Settings()) {
            for (int index = 0; index < setting.size(); ++index) {
                QWidget* control = get(Name(setting, index));
                ShowItsRow(control);
                EXPECT_EQ(Shown(control), FieldValue(setting, config, index)) << Name(setting, index).toStdString();
            }
        }
        window->saveUnit();
        ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;  // a message would say why
        EXPECT_TRUE(SameUnitFile(ReadBytes(savedFile()), Normalized(file)));
    }
}

// A mask that is off keeps its row hidden; turned on, the row shows the unit as it is then: the values of
// the last unit opened and of the edits made meanwhile, never those of an earlier unit.
TEST_F(Binding, ARowTurnedOnShowsTheUnitAsItIsThen) {
    const auto unit = [](const char* inputA, const char* actions) {
        return std::string("-Unit\r\nId=0000000042\r\n-I/O event\r\n+Mask1\r\nOn=0\r\nInputA=") + inputA +
               "\r\nActions=" + actions + "\r\n";
    };
    ASSERT_TRUE(open(unit("1,1,1,1,1,1", "Start timer 1")));
    auto* on = get<QCheckBox>("chkBitMaskOn(0)");
    auto* cell = get<QLineEdit>("txtInputA(0)");
    auto* cell6 = get<QLineEdit>("txtInputA(5)");
    auto* actions = get<ListBox>("lstBitMask(0)");
    ASSERT_TRUE(cell->parentWidget()->isHidden());
    ASSERT_TRUE(open(unit("0,-,-,-,-,0", "Start timer 2,Start timer 3")));
    window->edit(QStringLiteral("Set cell"), [](UnitConfiguration& config) {
        config.ioEvents.masks[0].inputA[5] = "T";
        return true;
    });

    on->click();
    ASSERT_FALSE(cell->parentWidget()->isHidden());
    EXPECT_EQ(cell->text(), "0");
    EXPECT_EQ(cell6->text(), "T");
    EXPECT_EQ(actions->texts(), QStringList({"Start timer 2", "Start timer 3"}));
    // Typed into now, a cell is an edit like any other.
    cell->setText(QStringLiteral("1"));
    EXPECT_EQ(window->configuration().ioEvents.masks[0].inputA[0], "1");
}

// The program itself, not only its loader and writer: the window saves what `korucfg normalize` prints.
TEST_F(Binding, SavedBytesAreWhatKorucfgNormalizePrints) {
    const std::filesystem::path file = writeFile("unit.kuf", UnitFileText(GeneratedUnit(5)));
    ASSERT_TRUE(window->openUnitFile(file.string()));
    window->saveUnit();
    const ProgramRun normalize = RunKorucfg({"normalize", QString::fromStdString(file.string())});
    ASSERT_EQ(normalize.exitCode, 0) << normalize.err;
    EXPECT_TRUE(SameUnitFile(ReadBytes(savedFile()), normalize.out));
}

// Every field the user can change writes its own setting and no other: a unit's values typed, picked and
// clicked into the fields of another unit save as that unit.
TEST_F(Binding, EveryFieldTheUserChangesReachesItsOwnSetting) {
    for (const auto& [from, to] : {std::pair{1, 2}, std::pair{4, 7}, std::pair{9, 3}}) {
        SCOPED_TRACE("seeds " + std::to_string(from) + " to " + std::to_string(to));
        ASSERT_TRUE(open(UnitFileText(GeneratedUnit(from))));
        UnitConfiguration target;
        ASSERT_FALSE(LoadUnitText(UnitFileText(GeneratedUnit(to)), target));
        UnitConfiguration expected = window->configuration();
        for (const Setting& setting : Settings()) {
            if (ProgramOnly(setting)) continue;
            for (int index = 0; index < setting.size(); ++index) {
                const std::string value = FieldValue(setting, target, index);
                QWidget* control = get(Name(setting, index));
                ShowItsRow(control);  // a user reaches a row's fields once it is on
                Change(control, value);
                SetValue(setting, expected, index, ValueOf(setting, target, index));
            }
        }
        // Options are only ever switched on; a group with nothing selected stays as the clicks left it.
        for (const Setting& setting : Settings()) {
            if (setting.kind == FieldKind::Option && setting.group->get(target, 0).empty()) {
                setting.group->set(expected, 0, setting.group->get(window->configuration(), 0));
            }
        }
        EXPECT_TRUE(window->configuration() == expected);
        EXPECT_TRUE(SameUnitFile(UnitFileText(window->configuration()), UnitFileText(expected)));
    }
}

// What a load shows is no edit, but a field check's correction of it is; every change the user makes and
// every command's change enters the unit as edits, each with its value before and after.
TEST_F(Binding, OnlyTheUsersEditsAndTheChecksCorrectionsEnterTheUnit) {
    std::vector<std::string> edits;
    QObject::connect(&window->edits(), &SettingBinder::edited, [&edits](const std::vector<SettingChange>& changes) {
        for (const SettingChange& change : changes) {
            edits.push_back(ControlName(*change.setting, change.index) + ": " + change.before.text + " > " +
                            change.after.text + (change.after.list.empty() ? "" : change.after.list.front()));
        }
    });
    ASSERT_TRUE(open("-Unit\r\nId=0000000042\r\nAlias=Pump\r\n-Network\r\nUser ping time=abc\r\n"
                     "-Radio\r\nChannel=12\r\n"));
    EXPECT_EQ(edits, std::vector<std::string>{"txtUserDefinedPingTime: abc > "});  // not a number: emptied

    edits.clear();
    Change(get("txtAlias"), "Tank");
    Change(get("chkAllUnits"), "1");
    Change(get("optOnlyDown"), "1");
    window->edit(QStringLiteral("Add lower unit"), [](UnitConfiguration& unit) {
        unit.network.lowerUnits = {"0000000007(Well)"};
        return true;
    });
    EXPECT_EQ(edits, (std::vector<std::string>{"txtAlias: Pump > Tank", "chkAllUnits: 0 > 1", "optOnlyDown: 3 > 2",
                                               "lstSlaveUnits:  > 0000000007(Well)"}));
    EXPECT_EQ(Shown(get("lstSlaveUnits")), "0000000007(Well)");
    EXPECT_EQ(window->configuration().unit.alias, "Tank");
}

// A hand-edited file: every byte a file line can carry, texts longer than can be typed, drop-down values the
// lists do not offer. They survive the open, an edit of another field and the save.
TEST_F(Binding, HandEditedValuesSurviveAnEditElsewhereAndTheSave) {
    std::string everyByte;
    for (int byte = 1; byte <= 0xFF; ++byte) {
        if (byte != '\n' && byte != '\r' && byte != '\t') everyByte.push_back(static_cast<char>(byte));
    }
    const std::string alias = "Pumpstation S\xFC" "dhafen Nord";  // 25 characters, 20 can be typed
    const std::string longText = "A message text of forty characters, yes";
    const std::string file = "-Unit\r\nId=0000000042\r\nAlias=" + alias + "\r\nType=KORU Pro\r\n"
                             "-Serial\r\nBaudrate=14400\r\nParity=Mark\r\nEnd of text=4 (EOT)\r\n"
                             "-Radio\r\nRetransmitt=7\r\nProtocol=<Other>\r\n"
                             "-Timer\r\n+Timer2\r\nUnit=days\r\n"
                             "-Message event\r\n+Message3\r\nText=" + everyByte + "\r\n"
                             "-Message action\r\n+Message1\r\nText=" + longText + "\r\nType=Notice\r\n"
                             "+Message2\r\nText=x" + everyByte + "\r\n";
    ASSERT_TRUE(open(file));
    EXPECT_EQ(Shown(get("txtAlias")), alias);
    EXPECT_EQ(Shown(get("txtMessage(2)")), everyByte);
    EXPECT_EQ(Shown(get("txtTextString(0)")), longText);
    EXPECT_EQ(get<ChoiceBox>("cmbSerialParity")->currentText(), "Mark");
    EXPECT_EQ(get<ChoiceBox>("cmbNrOfRetransmissions")->currentText(), "7");
    EXPECT_EQ(get<ChoiceBox>("cmbTimerUnit(1)")->currentText(), "days");
    EXPECT_EQ(get<QLabel>("lblType")->text(), "KORU Pro");

    Retype(get("txtCount(2)"), "55");
    window->saveUnit();
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;  // a message would say why
    UnitConfiguration expected;
    ASSERT_FALSE(LoadUnitText(file, expected));
    expected.counters[2].counter = "55";
    EXPECT_TRUE(SameUnitFile(ReadBytes(savedFile()), UnitFileText(expected)));
}

// The user picks an off-list value's neighbour and back: the off-list value stays offered until a load.
TEST_F(Binding, AnOffListValueStaysUntilAnotherIsPicked) {
    ASSERT_TRUE(open("-Serial\r\nParity=Mark\r\n"));
    auto* parity = get<ChoiceBox>("cmbSerialParity");
    EXPECT_TRUE(parity->showsOffListValue());
    parity->setCurrentIndex(1);
    EXPECT_EQ(window->configuration().serial.parity, "Even");
    parity->setCurrentIndex(3);
    EXPECT_EQ(window->configuration().serial.parity, "Mark");
    ASSERT_TRUE(open("-Serial\r\nParity=Odd\r\n"));
    EXPECT_EQ(parity->count(), 3);
    EXPECT_EQ(parity->currentText(), "Odd");
}

// Opening over an open unit replaces what the file names and keeps the rest, the retransmission times too.
TEST_F(Binding, ASecondUnitReplacesWhatItsFileHolds) {
    ASSERT_TRUE(open(UnitFileText(GeneratedUnit(3))));
    Retype(get("txtRetransmissionMinTime"), "300");
    ASSERT_TRUE(open("-Radio\r\nChannel=12\r\n"));
    EXPECT_EQ(get<ChoiceBox>("cmbRadioFreq")->currentText(), "12");
    EXPECT_EQ(Shown(get("txtRetransmissionMinTime")), "300");
    EXPECT_EQ(Shown(get("txtAlias")), GeneratedUnit(3).unit.alias);
}

}  // namespace
}  // namespace koru::test
