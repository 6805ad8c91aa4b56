#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "protocol/RecordTable.h"
#include "tests/editor/SendRig.h"
#include "tests/support/NamedCase.h"

namespace koru {
namespace {

using test::Control;
using test::PrintTo;
using enum Record;

struct ShownSendDialog {
    SendDialog dialog;
    ShownSendDialog() { dialog.show(); }
    QCheckBox* box(const char* name) { return Control<QCheckBox>(&dialog, QString::fromLatin1(name)); }
    void click(const char* name) { test::SendRig::click(&dialog, QString::fromLatin1(name)); }
    std::vector<int> records() const {
        std::vector<int> numbers;
        const SendSelection selection = dialog.selection();
        for (const RecordDescription& row : RecordsInSendOrder()) {
            if (selection.has(row.record)) numbers.push_back(RecordNumber(row.record));
        }
        return numbers;
    }
};

TEST(SendDialogTest, ShowsTheBoxesOfTheThreeFramesAllTicked) {
    ShownSendDialog d;
    EXPECT_EQ(d.dialog.windowTitle(), "Send to KORU-unit");
    const std::pair<const char*, std::vector<const char*>> frames[] = {
        {"fraSetup",
         {"CheckAllSetup", "chkGeneralSetup", "chkNetworkSetup", "chkRadioSetup", "chkSerialSetup",
          "chkInputSetup"}},
        {"fraEvents", {"CheckAllEvents", "chkIOEvents", "chkMessageEvents", "chkTccEvents"}},
        {"fraActions", {"CheckAllActions", "chkMessageActions", "chkOutputFlagActions"}},
    };
    for (const auto& [frame, boxes] : frames) {
        auto* group = Control<QGroupBox>(&d.dialog, QString::fromLatin1(frame));
        for (const char* name : boxes) {
            QCheckBox* box = Control<QCheckBox>(group, QString::fromLatin1(name));
            EXPECT_TRUE(box->isVisible() && box->isEnabled() && box->isChecked()) << name;
        }
    }
    QCheckBox* remote = d.box("chkRemoteEvents");
    EXPECT_TRUE(remote->isVisible() && remote->isChecked());
    EXPECT_FALSE(remote->isEnabled());
    for (const char* hidden : {"chkCounterEvents", "chkTimerevents", "chkTimerActions"}) {
        EXPECT_FALSE(d.box(hidden)->isVisible()) << hidden;
    }
    EXPECT_EQ(d.dialog.selection().count(), 14);
}

TEST(SendDialogTest, TheAllBoxesCheckAndClearTheirFrames) {
    ShownSendDialog d;
    d.click("CheckAllEvents");
    for (const char* name : {"chkIOEvents", "chkMessageEvents", "chkTccEvents", "chkRemoteEvents"}) {
        EXPECT_FALSE(d.box(name)->isChecked()) << name;
    }
    d.click("CheckAllEvents");
    for (const char* name : {"chkIOEvents", "chkMessageEvents", "chkTccEvents", "chkTimerevents", "chkCounterEvents"}) {
        EXPECT_TRUE(d.box(name)->isChecked()) << name;
    }
    EXPECT_FALSE(d.box("chkRemoteEvents")->isChecked());  // checking does not set it back

    d.click("CheckAllSetup");
    d.click("CheckAllActions");
    EXPECT_EQ(d.records(), (std::vector<int>{6, 7, 8, 14}));
    d.click("CheckAllActions");
    EXPECT_TRUE(d.box("chkTimerActions")->isChecked());
    EXPECT_EQ(d.records(), (std::vector<int>{6, 7, 8, 14, 10, 11, 12, 13}));
}

struct OneBoxCase {
    const char* name;
    const char* box;
    std::vector<int> records;
};

class SendDialogOneBoxTest : public ::testing::TestWithParam<OneBoxCase> {};

TEST_P(SendDialogOneBoxTest, SendsTheRecordsOfItsGroup) {
    ShownSendDialog d;
    for (const char* all : {"CheckAllSetup", "CheckAllEvents", "CheckAllActions"}) d.click(all);
    d.click(GetParam().box);
    EXPECT_EQ(d.records(), GetParam().records);
    EXPECT_EQ(d.dialog.selection().count(), static_cast<int>(GetParam().records.size()));
}

INSTANTIATE_TEST_SUITE_P(Boxes, SendDialogOneBoxTest,
                         ::testing::Values(OneBoxCase{"Network", "chkNetworkSetup", {2, 15}},
                                           OneBoxCase{"Radio", "chkRadioSetup", {3}},
                                           OneBoxCase{"TimerCounterComm", "chkTccEvents", {8, 14}},
                                           OneBoxCase{"MessageActions", "chkMessageActions", {10, 12, 13}},
                                           OneBoxCase{"OutputFlagActions", "chkOutputFlagActions", {11, 12, 13}}),
                         test::RowName());

TEST(SendDialogTest, OkIsOffWithANoteWhileNothingIsTickedOrASendRuns) {
    ShownSendDialog d;
    auto* ok = Control<QPushButton>(&d.dialog, "cmdOk");
    auto* note = Control<QLabel>(&d.dialog, "lblNote");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(note->text(), "");

    for (const char* all : {"CheckAllSetup", "CheckAllEvents", "CheckAllActions"}) d.click(all);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(note->text(), "Tick at least one group to send.");
    d.click("chkSerialSetup");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(note->text(), "");

    d.dialog.setSendRunning(true);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(note->text(), "A send is running; wait for it to end, or abort it.");
    d.dialog.setSendRunning(false);
    EXPECT_TRUE(ok->isEnabled());

    d.click("cmdCancel");
    EXPECT_FALSE(d.dialog.isVisible());
}

}  // namespace
}  // namespace koru
