#include <QCheckBox>
#include <QLabel>

#include "editor/ChoiceBox.h"
#include "editor/FieldFactory.h"
#include "editor/ListBox.h"
#include "model/EventTable.h"
#include "tests/editor/WindowFixture.h"

namespace koru::test {
namespace {

class WindowRules : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->show();
    }

    bool hidden(const QString& name) { return get(name)->isHidden(); }

    // Clicks a check box or option where a user would, on its own tab.
    void click(const QString& name) {
        QWidget* box = get(name);
        showTabOf(box);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
};

// Every switch the window offers shows its event's frame while it is checked, and so does the sleep mode's
// switch its edge; a switch the window does not offer cannot be used.
TEST_F(WindowRules, EachSwitchShowsItsFrameWhileItIsChecked) {
    std::vector<std::pair<QString, QString>> switches{{"chkSleepModeOn", "fraSleepHighLow"}};
    for (const EventDescription& event : Events()) {
        for (int item = 0; item < event.items() && !event.sharesOn; ++item) {
            const QString box = ObjectName(event.onControl, event.controlIndex(item));
            if (event.switchable) {
                switches.emplace_back(box, ObjectName(event.frameControl, event.frameControlIndex(item)));
            } else {
                EXPECT_FALSE(get(box)->isVisibleTo(window.get()) && get(box)->isEnabled()) << box.toStdString();
            }
        }
    }
    for (const auto& [box, frame] : switches) {
        EXPECT_TRUE(hidden(frame)) << frame.toStdString();
        click(box);
        EXPECT_TRUE(get<QCheckBox>(box)->isChecked()) << box.toStdString();
        EXPECT_FALSE(hidden(frame)) << frame.toStdString();
        click(box);
        EXPECT_TRUE(hidden(frame)) << frame.toStdString();
    }
}

TEST_F(WindowRules, AnOpenedUnitShowsTheFramesOfItsActiveEvents) {
    ASSERT_TRUE(open("-I/O event\r\n+Mask3\r\nOn=1\r\n+Sleep event\r\nSleepOn=1\r\n"
                     "-Communication event\r\n+Radio NAK\r\nOn=1\r\n"
                     "-Message event\r\n+Message20\r\nOn=1\r\n+No match serial\r\nOn=1\r\n+Question\r\nOn=1\r\n"
                     "-Remote event\r\n+Remote event4\r\nOn=1\r\n"));
    for (const char* frame : {"fraMask(2)", "fraSleepActions", "fraCommOnOff(6)", "fraMessageOnOff(19)",
                              "fraMessageOnOff(21)", "fraTypeOfMessOnOff(1)", "fraRemote(3)"}) {
        EXPECT_FALSE(hidden(frame)) << frame;
    }
    for (const char* frame : {"fraMask(3)", "fraCommOnOff(5)", "fraMessageOnOff(20)", "fraTypeOfMessOnOff(0)"}) {
        EXPECT_TRUE(hidden(frame)) << frame;
    }
    // Rows the window never offers stay out of sight, their settings kept.
    EXPECT_FALSE(get("fraTypeOfMessOnOff(1)")->isVisibleTo(window.get()));
    EXPECT_FALSE(get("fraRemote(3)")->isVisibleTo(window.get()));
    EXPECT_TRUE(window->configuration().messageType(MessageType::Question).on);
}

TEST_F(WindowRules, UncheckingKeepsTheActionEntries) {
    ASSERT_TRUE(open("-Timer event\r\n+Timer2\r\nOn=1\r\nActions=Start timer 1,Reset Counter 2\r\n"));
    auto* list = get<ListBox>("lstTimer(1)");
    EXPECT_EQ(list->texts(), QStringList({"Start timer 1", "Reset Counter 2"}));
    click("chkTimerOn(1)");
    EXPECT_TRUE(hidden("fraTimerOnOff(1)"));
    click("chkTimerOn(1)");
    EXPECT_FALSE(hidden("fraTimerOnOff(1)"));
    EXPECT_EQ(list->texts(), QStringList({"Start timer 1", "Reset Counter 2"}));
    EXPECT_EQ(window->configuration().timerEvents[1].actions.size(), 2u);
}

// An input shows its settings while it is on, its analogue values only while it is analogue.
TEST_F(WindowRules, InputsShowWhatApplies) {
    const auto frames = [this](int input) {
        return QString("%1%2%3")
            .arg(hidden(QString("fraInputType(%1)").arg(input)) ? "-" : "T")
            .arg(hidden(QString("fraInputLimit(%1)").arg(input)) ? "-" : "L")
            .arg(hidden(QString("fraAnalogueValues(%1)").arg(input)) ? "-" : "A");
    };
    EXPECT_EQ(frames(1), "---");
    click("chkOnOff(1)");
    EXPECT_EQ(frames(1), "TLA");
    click("optDigital(1)");
    EXPECT_EQ(frames(1), "TL-");
    click("chkOnOff(1)");
    EXPECT_EQ(frames(1), "---");
    click("chkOnOff(1)");  // digital: the type and the limits, not the analogue values
    EXPECT_EQ(frames(1), "TL-");
    click("opAnalogue(1)");
    EXPECT_EQ(frames(1), "TLA");
    click("chkOnOff(1)");
    click("optDigital(1)");  // off: choosing the type shows nothing
    EXPECT_EQ(frames(1), "---");

    ASSERT_TRUE(open("-Input\r\n+Input3\r\nOn=1\r\nInput type=D\r\n+Input4\r\nOn=1\r\nInput type=A\r\n"));
    EXPECT_EQ(frames(2), "TL-");
    EXPECT_EQ(frames(3), "TLA");
    EXPECT_EQ(window->configuration().input.inputs[1].type, InputType::Digital);
}

TEST_F(WindowRules, TheOverviewMirrorsTheUnit) {
    ASSERT_TRUE(open("-Unit\r\nId=0000000042\r\nAlias=Mast\r\nType=KORU Starter-kit\r\n"
                     "-Network\r\nUpper unit=0000000017(Hill)\r\nLower units=0000000100(A),0000000101(B)\r\n"
                     "Remotes=R1,R2\r\n"));
    EXPECT_EQ(get<QLabel>("lblId")->text(), "0000000042");
    EXPECT_EQ(get<QLabel>("lblAlias")->text(), "Mast");
    EXPECT_EQ(get<QLabel>("lblType")->text(), "KORU Starter-kit");
    EXPECT_EQ(get<QLabel>("lblMasterUnit")->text(), "0000000017(Hill)");
    EXPECT_EQ(get<QLabel>("lblSelectedMaster")->text(), "0000000017(Hill)");
    EXPECT_EQ(get<ListBox>("lstLowerUnits")->texts(), QStringList({"0000000100(A)", "0000000101(B)"}));
    EXPECT_EQ(get<ListBox>("lstRemotes")->texts(), QStringList({"R1", "R2"}));

    // Typing the alias changes its mirror at once (the network buttons' mirrors: the network editing tests).
    Retype(get("txtAlias"), "Mast 2");
    EXPECT_EQ(get<QLabel>("lblAlias")->text(), "Mast 2");
}

}  // namespace
}  // namespace koru::test
