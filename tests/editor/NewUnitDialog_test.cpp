#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "editor/dialogs/NewUnitDialog.h"
#include "model/UnitFile.h"
#include "tests/editor/DialogTesting.h"
#include "tests/support/TestLibrary.h"
#include "tests/support/ScriptedDialogs.h"

namespace koru {
namespace {

using test::Click;
using test::Control;
using Names = std::vector<std::string>;
using Shown = test::ScriptedDialogs::Shown;

class NewUnitDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        config.unit = {"0000000001", "Old", "KORU Base"};
        config.radio.channel = "42";
        before = config;
        dialog = new NewUnitDialog(files.library, dialogs, config);
        created = std::make_unique<QSignalSpy>(dialog.data(), &NewUnitDialog::unitCreated);
        // The window takes the new unit as its own.
        QObject::connect(dialog.data(), &NewUnitDialog::unitCreated, [this](const UnitConfiguration& unit) { config = unit; });
        dialog->show();
    }
    void TearDown() override {
        delete dialog.data();
        test::LetClosedDialogsGo();
    }

    // Types the fields and presses Ok.
    void create(const QString& id, const QString& alias, const QString& type) {
        Control<QLineEdit>(dialog, "txtId")->clear();
        QTest::keyClicks(Control<QLineEdit>(dialog, "txtId"), id);
        Control<QLineEdit>(dialog, "txtAlias")->clear();
        QTest::keyClicks(Control<QLineEdit>(dialog, "txtAlias"), alias);
        Control<QComboBox>(dialog, "cmbType")->setCurrentText(type);
        Click(dialog, "cmdOk");
    }
    bool stillOpen() const { return dialog != nullptr && dialog->isVisible(); }

    test::TestLibrary files;
    test::ScriptedDialogs dialogs;
    UnitConfiguration config;
    UnitConfiguration before;
    QPointer<NewUnitDialog> dialog;
    std::unique_ptr<QSignalSpy> created;
};

TEST_F(NewUnitDialogTest, OffersTheTypesOfTheDefaultFiles) {
    EXPECT_EQ(dialog->windowTitle(), "New KORU unit");
    const auto* types = Control<QComboBox>(dialog, "cmbType");
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), "KORU Base");
    EXPECT_EQ(types->itemText(1), "KORU Starter-kit");
    QTest::keyClicks(Control<QLineEdit>(dialog, "txtId"), "123456789012");
    EXPECT_EQ(Control<QLineEdit>(dialog, "txtId")->text(), "1234567890");
}

TEST_F(NewUnitDialogTest, MakesTheUnitSavesItAndCloses) {
    create("42", "Pump", "KORU Base");
    EXPECT_EQ(created->count(), 1);
    EXPECT_FALSE(stillOpen());
    EXPECT_EQ(config.unit, (UnitIdentity{"0000000042", "Pump", "KORU Base"}));
    EXPECT_EQ(files.unitFiles(), (Names{"0000000042(Pump).kuf"}));
    EXPECT_TRUE(dialogs.shown.empty());
    UnitConfiguration saved;
    ASSERT_FALSE(LoadUnitFile((files.library.unitsFolder() / "0000000042(Pump).kuf").string(), saved));
    EXPECT_EQ(saved, config);
}

TEST_F(NewUnitDialogTest, AnEmptyOrNonNumericIdOrAnEmptyTypeDoesNothing) {
    const std::pair<QString, QString> cases[] = {{"   ", "KORU Base"}, {"12.5", "KORU Base"}, {"42", ""}};
    for (const auto& [id, type] : cases) {
        create(id, "Pump", type);
        EXPECT_TRUE(stillOpen()) << id.toStdString();
    }
    EXPECT_EQ(created->count(), 0);
    EXPECT_EQ(config, before);
    EXPECT_TRUE(files.unitFiles().empty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NewUnitDialogTest, AnExistingIdIsReplacedOnlyOnYes) {
    files.addUnitFile("0000000042(Tank).kuf");
    const Shown question{"That ID number already exists,\r\ndo you want to replace it?", "ID already exist",
                         true};

    dialogs.answers = {false};
    create("42", "Pump", "KORU Base");
    EXPECT_EQ(dialogs.shown, std::vector<Shown>{question});
    EXPECT_TRUE(stillOpen());
    EXPECT_EQ(config, before);
    EXPECT_EQ(files.unitFiles(), (Names{"0000000042(Tank).kuf"}));

    dialogs.shown.clear();
    dialogs.answers = {true};
    create("42", "Pump", "KORU Base");
    EXPECT_EQ(dialogs.shown, std::vector<Shown>{question});
    EXPECT_FALSE(stillOpen());
    EXPECT_EQ(created->count(), 1);
    EXPECT_EQ(config.unit.id, "0000000042");
    EXPECT_EQ(files.unitFiles(), (Names{"0000000042(Pump).kuf"}));
}

TEST_F(NewUnitDialogTest, TheAnswerMayComeLater) {
    files.addUnitFile("0000000042(Tank).kuf");
    dialogs.deferAnswers = true;
    dialogs.answers = {true};
    create("42", "Pump", "KORU Base");
    EXPECT_EQ(config, before);  // nothing happens until the user answers
    dialogs.answerPending();
    EXPECT_EQ(config.unit.alias, "Pump");
    EXPECT_EQ(files.unitFiles(), (Names{"0000000042(Pump).kuf"}));
}

// A unit that cannot be made is explained; the window's unit stays, no file is left, the dialog stays open.
// (The window's test meets a missing default file; the library's tests meet every reason.)
TEST_F(NewUnitDialogTest, AUnitThatCannotBeMadeIsExplainedAndChangesNothing) {
    const std::filesystem::path units = files.library.unitsFolder();
    std::filesystem::remove_all(units);
    test::WriteBytes(units, "not a folder");
    create("42", "Pump", "KORU Base");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "New KORU unit");
    EXPECT_EQ(dialogs.shown[0].text.rfind("Cannot save the unit", 0), 0u) << dialogs.shown[0].text;
    EXPECT_TRUE(stillOpen());
    EXPECT_EQ(created->count(), 0);
    EXPECT_EQ(config, before);
    EXPECT_TRUE(std::filesystem::is_regular_file(units));  // nothing was written where the folder should be
}

TEST_F(NewUnitDialogTest, CancelAndTheCloseBoxChangeNothing) {
    Click(dialog, "cmdCancel");
    EXPECT_FALSE(stillOpen());
    EXPECT_EQ(config, before);
    EXPECT_TRUE(files.unitFiles().empty());
}

}  // namespace
}  // namespace koru
