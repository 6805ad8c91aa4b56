#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "editor/ChoiceBox.h"
#include "tests/editor/WindowFixture.h"

namespace koru::test {
namespace {

// The field checks through the real widgets: typed keys, the focus moving on with Tab, double-clicks.
class FieldCheckWidgets : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        showActive();
    }

    // Types `text` into the field named `name` and leaves it with Tab; returns what the field then holds.
    QString typeAndLeave(const QString& name, const QString& text) {
        QWidget* field = get(name);
        showTabOf(field);
        field->setFocus(Qt::OtherFocusReason);
        EXPECT_TRUE(field->hasFocus()) << name.toStdString();
        Retype(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_FALSE(field->hasFocus()) << name.toStdString();
        return get<QLineEdit>(name)->text();
    }

    void pickUnit(const QString& name, const QString& unit) {
        auto* box = get<QComboBox>(name);
        box->setCurrentIndex(box->findText(unit));
    }
};

// One row per kind of check made when a field is left (the rules are the model's): each field gets the check
// of its kind, with its own timer unit or the other retransmission time, and keeps the corrected text.
TEST_F(FieldCheckWidgets, EachFieldIsCheckedWhenLeft) {
    pickUnit("cmbTimerUnit(1)", "s");
    const struct {
        const char* field;
        const char* typed;
        const char* kept;
    } rows[] = {
        {"txtTime(0)", "150", "200"},
        {"txtTime(1)", "1.5", "1.5"},
        {"txtRetransmissionMinTime", "700", "600"},
        {"txtRetransmissionMinTime", "200", "200"},
        {"txtRetransmissionMaxTime", "150", "200"},
        {"txtScale(0)", "x", ""},
        {"txtDefMinVolt", "x", "x"},  // no check on the voltage range
        {"txtIncCount", "1x", ""},
        {"txtInputA(7)", "t", "-"},
        {"txtOutputFlagAction(5)", "t", "t"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(typeAndLeave(row.field, row.typed), row.kept) << row.field << " " << row.typed;
    }
    EXPECT_EQ(window->configuration().timers[0].time, "200");
    EXPECT_EQ(window->configuration().radio.retransmissionMaxTime, "200");
    EXPECT_EQ(window->configuration().ioEvents.masks[1].inputA[1], "-");
}

TEST_F(FieldCheckWidgets, LeavingATimersUnitRoundsItsTime) {
    pickUnit("cmbTimerUnit(2)", "s");
    EXPECT_EQ(typeAndLeave("txtTime(2)", "12"), "12");
    auto* unit = get<QComboBox>("cmbTimerUnit(2)");
    unit->setFocus(Qt::OtherFocusReason);
    pickUnit("cmbTimerUnit(2)", "ms");
    EXPECT_EQ(get<QLineEdit>("txtTime(2)")->text(), "12");  // nothing happens before the unit box is left
    QTest::keyClick(unit, Qt::Key_Tab);
    EXPECT_EQ(get<QLineEdit>("txtTime(2)")->text(), "0");
    EXPECT_EQ(window->configuration().timers[2].time, "0");
}

TEST_F(FieldCheckWidgets, NumbersAreEmptiedAtEveryKeystrokeThatIsNoNumber) {
    auto* count = get<QLineEdit>("txtCount(0)");
    showTabOf(count);
    count->setFocus();
    Retype(count, "12");
    EXPECT_EQ(count->text(), "12");
    QTest::keyClicks(count, "a");  // "12a" is no number: the field empties at once
    EXPECT_EQ(count->text(), "");
    QTest::keyClick(count, Qt::Key_Tab);
    EXPECT_EQ(count->text(), "0");
    EXPECT_EQ(window->configuration().counters[0].counter, "0");

    count->setFocus();
    count->selectAll();
    count->insert("1e9");  // pasted
    EXPECT_EQ(count->text(), "1e9");
    QTest::keyClick(count, Qt::Key_Tab);
    EXPECT_EQ(count->text(), "999999999");
}

TEST_F(FieldCheckWidgets, DoubleClicksStepTheCells) {
    get<QCheckBox>("chkBitMaskOn(0)")->setChecked(true);  // the mask's row shows
    auto* mask = get<QLineEdit>("txtInputB(0)");
    auto* action = get<QLineEdit>("txtOutputFlagAction(0)");
    QStringList maskSteps, actionSteps;
    for (int click = 0; click < 4; ++click) {
        QTest::mouseDClick(mask, Qt::LeftButton);
        maskSteps.append(mask->text());
        QTest::mouseDClick(action, Qt::LeftButton);
        actionSteps.append(action->text());
    }
    EXPECT_EQ(maskSteps, QStringList({"0", "1", "-", "0"}));
    EXPECT_EQ(actionSteps, QStringList({"0", "1", "T", "-"}));
    EXPECT_EQ(window->configuration().ioEvents.masks[0].inputB[0], "0");
}

TEST_F(FieldCheckWidgets, TheChannelIsCheckedAtEveryChangeAndShowsItsFrequency) {
    auto* channel = get<ChoiceBox>("cmbRadioFreq");
    auto* frequency = get<QLabel>("lblFreq");
    showTabOf(channel);
    channel->setFocus();
    Retype(channel, "90");
    EXPECT_EQ(channel->currentText(), "81");
    EXPECT_EQ(frequency->text(), "439.975 MHz");
    Retype(channel, "x");
    EXPECT_EQ(channel->currentText(), "0");
    EXPECT_EQ(frequency->text(), "433.05 MHz");
    channel->setCurrentIndex(70);
    EXPECT_EQ(frequency->text(), "439.7 MHz");
    EXPECT_EQ(window->configuration().radio.channel, "70");
}

// A loaded value raises the change checks, and the frequency text waits for the first change of the channel.
TEST_F(FieldCheckWidgets, ALoadedValueRaisesTheChangeChecks) {
    ASSERT_TRUE(open("-Radio\r\nChannel=0\r\n"));
    EXPECT_EQ(get<QLabel>("lblFreq")->text(), "433 MHz");
    ASSERT_TRUE(open("-Radio\r\nChannel=90\r\n-Timer\r\n+Timer1\r\nTime=soon\r\n"));
    EXPECT_EQ(get<ChoiceBox>("cmbRadioFreq")->currentText(), "81");
    EXPECT_EQ(get<QLabel>("lblFreq")->text(), "439.975 MHz");
    EXPECT_EQ(window->configuration().radio.channel, "81");
    EXPECT_EQ(window->configuration().timers[0].time, "");
}

TEST_F(FieldCheckWidgets, ACharacterWindows1252CannotHoldIsRefused) {
    auto* alias = get<QLineEdit>("txtAlias");
    alias->setFocus();
    TypeText(alias, QString::fromUtf8("Łódź"));
    EXPECT_EQ(alias->text(), QString::fromUtf8("ód"));
    alias->selectAll();
    alias->insert(QString::fromUtf8("Pümp Łódź"));  // pasted: the whole paste is refused
    EXPECT_EQ(alias->text(), QString::fromUtf8("ód"));
    alias->insert(QString::fromUtf8("Pümp Øst €"));
    EXPECT_EQ(window->configuration().unit.alias, "P\xFCmp \xD8st \x80");
}

// The alias and the message texts go to the unit between double quotes: a quote, a record's separators
// and line breaks can never be sent, so they cannot be typed or pasted there. Other texts take them; a
// loaded text that holds one can still be edited.
TEST_F(FieldCheckWidgets, CharactersARecordCannotCarryAreRefusedInItsTexts) {
    for (const char* name : {"txtAlias", "txtMessage(0)", "txtTextString(19)"}) {
        auto* field = get<QLineEdit>(name);
        showTabOf(field);
        field->setFocus();
        Retype(field, QStringLiteral("a\"b;c:d"));
        EXPECT_EQ(field->text(), "abcd") << name;
        field->insert(QStringLiteral("\r\n"));
        EXPECT_EQ(field->text(), "abcd") << name;
    }
    EXPECT_EQ(window->configuration().unit.alias, "abcd");
    EXPECT_EQ(window->configuration().messageEvents.messages[0].text, "abcd");
    EXPECT_EQ(window->configuration().messageActions.messages[19].text, "abcd");

    auto* other = get<QLineEdit>("txtDefMinVolt");
    showTabOf(other);
    other->setFocus();
    Retype(other, QStringLiteral("1;2"));
    EXPECT_EQ(other->text(), "1;2");

    ASSERT_TRUE(open("-Unit\r\nId=0000000042\r\nAlias=Pu\"mp\r\n"));
    auto* alias = get<QLineEdit>("txtAlias");
    alias->setFocus();
    alias->setCursorPosition(alias->text().size());
    TypeText(alias, QStringLiteral("s;"));
    EXPECT_EQ(alias->text(), "Pu\"mps");
    alias->setCursorPosition(3);
    QTest::keyClick(alias, Qt::Key_Backspace);
    EXPECT_EQ(window->configuration().unit.alias, "Pumps");
}

}  // namespace
}  // namespace koru::test
