#include <QLineEdit>
#include <QWindow>
#include <QSignalSpy>

#include "editor/ChoiceBox.h"
#include "model/UnitName.h"
#include "platform/widgets/WidgetText.h"
#include "tests/editor/WindowFixture.h"

namespace koru::test {
namespace {

const ScriptedDialogs::Shown kSavePrompt{"Do you want to save unit?", "Save unit...", true};
const std::string kUnit = "-Unit\r\nId=0000000042\r\nAlias=Pump\r\nType=KORU Base\r\n-Radio\r\nChannel=12\r\n";

class OpenSaveClose : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        showActive();
    }

    std::filesystem::path unitFile(const std::string& alias) const {
        return library.path() / "Units" / ("0000000042(" + alias + ").kuf");
    }
    std::size_t questions() const {
        return static_cast<std::size_t>(std::count_if(dialogs.shown.begin(), dialogs.shown.end(),
                                                      [](const ScriptedDialogs::Shown& s) { return s.question; }));
    }
    void settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents();
    }
};

TEST_F(OpenSaveClose, ClosingWithoutAUnitEndsWithoutAQuestion) {
    QSignalSpy ending(window.get(), &MainWindow::programEnding);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(ending.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

// Ctrl+Q with a unit open asks once; Yes saves before the program ends, No ends it without saving.
TEST_F(OpenSaveClose, ClosingWithAUnitAsksOnceAndSavesOnYes) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
        showActive();
        dialogs.shown.clear();
        ASSERT_TRUE(open(kUnit));
        QSignalSpy ending(window.get(), &MainWindow::programEnding);
        dialogs.answers = {yes};
        QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        settle();
        EXPECT_EQ(dialogs.shown, std::vector{kSavePrompt});
        EXPECT_EQ(ending.count(), 1);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(std::filesystem::exists(unitFile("Pump")), yes);
    }
    EXPECT_TRUE(SameUnitFile(ReadBytes(unitFile("Pump")), Normalized(kUnit)));
}

TEST_F(OpenSaveClose, ASecondCloseWhileTheQuestionIsOpenAsksNothingMore) {
    ASSERT_TRUE(open(kUnit));
    QSignalSpy ending(window.get(), &MainWindow::programEnding);
    dialogs.deferAnswers = true;
    dialogs.answers = {false};
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->close());
    EXPECT_EQ(questions(), 1u);
    EXPECT_TRUE(window->isVisible());
    dialogs.answerPending();
    settle();
    EXPECT_EQ(ending.count(), 1);
}

// Mend: a save that fails never ends the program; the unit and its old file stay.
TEST_F(OpenSaveClose, AFailedSaveOnCloseKeepsTheWindowOpen) {
    ASSERT_TRUE(open(kUnit));
    window->saveUnit();
    ASSERT_TRUE(std::filesystem::exists(unitFile("Pump")));
    Retype(get("txtAlias"), "North/South");
    QSignalSpy ending(window.get(), &MainWindow::programEnding);
    dialogs.answers = {true};
    window->close();
    settle();
    EXPECT_EQ(ending.count(), 0);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text,
              "The alias \"North/South\" cannot be used in a file name: it holds \"/\", which separates folders.");
    EXPECT_EQ(window->configuration().unit.alias, "North/South");
    EXPECT_TRUE(std::filesystem::exists(unitFile("Pump")));

    dialogs.answers = {false};  // asked again; No ends the program without saving
    window->close();
    settle();
    EXPECT_EQ(ending.count(), 1);
}

TEST_F(OpenSaveClose, SaveWritesTheUnitFileAndSetsTheTitle) {
    window->saveUnit();  // no unit open: nothing to do, nothing said
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(std::filesystem::is_empty(library.path() / "Units"));

    ASSERT_TRUE(open(kUnit));
    EXPECT_EQ(window->windowHandle()->title(), "Pump - 0000000042");
    Retype(get("txtAlias"), "Pump 2");
    EXPECT_EQ(window->windowHandle()->title(), "Pump - 0000000042*");  // typing is not saving, but marked
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window->windowHandle()->title(), "Pump 2 - 0000000042");
    ASSERT_TRUE(std::filesystem::exists(unitFile("Pump 2")));

    Retype(get("txtAlias"), "Well");  // a new alias renames the file
    window->saveUnit();
    EXPECT_TRUE(std::filesystem::exists(unitFile("Well")));
    EXPECT_FALSE(std::filesystem::exists(unitFile("Pump 2")));

    // A hand-edited alias may hold what a title shows as its "modified" marker; the title shows it as it is.
    ASSERT_TRUE(open("-Unit\r\nAlias=A [*] B\r\n"));
    EXPECT_EQ(window->windowHandle()->title(), "A [*] B - 0000000042");
}

// A line edit holds at most 32,767 characters and used to cut a longer text of the file, which the save then
// wrote cut. A text the program shows is kept whole until the user edits its field.
TEST_F(OpenSaveClose, TextsLongerThanAFieldHoldsSurviveOpenAndSave) {
    std::string text;
    while (text.size() < 40000) text += ' ' + std::to_string(text.size());
    const std::string bytes = "-Unit\r\nId=0000000042\r\nAlias=Pump\r\nType=T" + text +
                              "\r\n-Message event\r\n+Message1\r\nText=E" + text +
                              "\r\n-Message action\r\n+Message2\r\nType=Message\r\nText=A" + text + "\r\n";
    ASSERT_TRUE(open(bytes));
    window->saveUnit();
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;
    EXPECT_TRUE(SameUnitFile(ReadBytes(savedFile()), Normalized(bytes)));

    // The user's own edit of such a field is what the field then holds.
    auto* field = get<QLineEdit>("txtTextString(1)");
    showTabOf(field);
    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(window->configuration().messageActions.messages[1].text, FromWidgetText(field->text()).value());
    EXPECT_TRUE(window->configuration().messageEvents.messages[0].text == "E" + text);
}

// Mend: a folder that cannot be written is said; the unit stays in the window.
TEST_F(OpenSaveClose, ASaveThatCannotWriteSaysWhy) {
    ASSERT_TRUE(open(kUnit));
    std::filesystem::remove(library.path() / "Units");
    WriteBytes(library.path() / "Units", "not a folder");
    window->saveUnit();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Save unit...");
    EXPECT_NE(dialogs.shown[0].text.find("Cannot save the unit: "), std::string::npos) << dialogs.shown[0].text;
    EXPECT_EQ(window->configuration().unit.id, "0000000042");
    EXPECT_EQ(window->windowHandle()->title(), "Pump - 0000000042");
}

TEST_F(OpenSaveClose, OpenAsksToSaveThenChoosesAUnitFile) {
    ASSERT_TRUE(open(kUnit));
    const std::filesystem::path other = writeFile("other.kuf", "-Unit\r\nId=0000000007\r\nAlias=Mast\r\n");
    dialogs.answers = {false};
    dialogs.files = {other.string()};
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.choosers.size(), 1u);
    EXPECT_EQ(dialogs.choosers[0].title, "Open unit...");
    EXPECT_EQ(dialogs.choosers[0].filter, "Units (*.kuf)");
    EXPECT_EQ(dialogs.choosers[0].folder, (library.path() / "Units").string());
    EXPECT_EQ(questions(), 1u);
    EXPECT_EQ(window->windowHandle()->title(), "Mast - 0000000007");
    EXPECT_EQ(get<QLineEdit>("txtAlias")->text(), "Mast");

    dialogs.files = {std::nullopt};  // cancelled: nothing changes
    dialogs.answers = {false};
    window->openUnit();
    EXPECT_EQ(window->configuration().unit.alias, "Mast");
}

// Mend: a file that cannot be read changes nothing and says FILE:LINE: reason.
TEST_F(OpenSaveClose, AFailedOpenChangesNothingAndSaysWhereAndWhy) {
    ASSERT_TRUE(open(kUnit));
    const UnitConfiguration before = window->configuration();
    const std::filesystem::path broken =
        writeFile("broken.kuf", "-Unit\r\nAlias=Other\r\n-Radio\r\nChannel=5\r\n-Timer\r\n+Timerx\r\nTime=5\r\n");
    EXPECT_FALSE(window->openUnitFile(broken.string()));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Open unit...");
    EXPECT_NE(dialogs.shown[0].text.find(broken.string() + ":6: "), std::string::npos) << dialogs.shown[0].text;
    EXPECT_TRUE(window->configuration() == before);
    EXPECT_EQ(get<QLineEdit>("txtAlias")->text(), "Pump");
    EXPECT_EQ(get<ChoiceBox>("cmbRadioFreq")->currentText(), "12");
    EXPECT_EQ(window->windowHandle()->title(), "Pump - 0000000042");

    // The message names the file as the user knows it, in the dialogs' Windows-1252.
    dialogs.shown.clear();
    std::filesystem::create_directory(library.path() / "P\xC3\xBCmp");
    EXPECT_FALSE(window->openUnitFile((library.path() / "P\xC3\xBCmp" / "missing.kuf").string()));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("P\xFCmp/missing.kuf"), std::string::npos) << dialogs.shown[0].text;
}

TEST_F(OpenSaveClose, ImportChangesOnlyWhatTheParameterFileHolds) {
    ASSERT_TRUE(open(kUnit));
    const std::filesystem::path radio =
        writeFile("radio.kpf", "-Unit\r\nId=0000000099\r\nAlias=Other\r\n-Radio\r\nChannel=70\r\nRetransmitt=5\r\n");
    dialogs.files = {radio.string()};
    window->menus().importUnit->trigger();
    ASSERT_EQ(dialogs.choosers.size(), 1u);
    EXPECT_EQ(dialogs.choosers[0].title, "Save parameters...");
    EXPECT_EQ(dialogs.choosers[0].filter, "Units (*.kpf)");
    EXPECT_EQ(dialogs.choosers[0].folder, (library.path() / "Parameter files").string());
    EXPECT_TRUE(dialogs.shown.empty());  // no save prompt
    EXPECT_EQ(get<ChoiceBox>("cmbRadioFreq")->currentText(), "70");
    EXPECT_EQ(get<ChoiceBox>("cmbNrOfRetransmissions")->currentText(), "5");
    EXPECT_EQ(window->configuration().unit.alias, "Pump");  // an import never changes the unit's identity
    EXPECT_EQ(window->configuration().unit.id, "0000000042");
    EXPECT_EQ(window->windowHandle()->title(), "Pump - 0000000042*");  // imported, not saved

    const UnitConfiguration before = window->configuration();
    dialogs.files = {writeFile("bad.kpf", "-Radio\r\nChannel=3\r\n-Counter\r\n+Counter9\r\nCounter=1\r\n").string()};
    window->importParameters();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("bad.kpf:5: "), std::string::npos) << dialogs.shown[0].text;
    EXPECT_TRUE(window->configuration() == before);
}

}  // namespace
}  // namespace koru::test
