#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSerialPortInfo>
#include <QSlider>
#include <QTreeWidget>

#include "editor/send/LineLamp.h"
#include "editor/send/LinkSettings.h"
#include "editor/send/LinkSettings.h"
#include "platform/QtSerialDevices.h"
#include "tests/editor/SendRig.h"
#include "tests/support/FakeSerialPort.h"

namespace koru {
namespace {

using test::Control;
using test::SendRig;

// The send windows over the scripted port: the dialog's own behaviour, without a unit.
struct SettingsRig : SendRig {
    SettingsRig() : SendRig(std::make_unique<test::FakeSerialPort>()) {}
    test::FakeSerialPort& port() { return static_cast<test::FakeSerialPort&>(stack().port()); }
    void showFromMenu() { window->menus().commSettings->trigger(); }
    void click(const char* name) { SendRig::click(settings(), QString::fromLatin1(name)); }
    QWidget* get(const char* name) { return Control<QWidget>(settings(), QString::fromLatin1(name)); }
    bool checked(const char* name) { return qobject_cast<QAbstractButton*>(get(name))->isChecked(); }
    bool enabled(const char* name) { return get(name)->isEnabled(); }
    QString log() { return Control<QPlainTextEdit>(settings(), "StatusBar")->toPlainText(); }
    QColor lamp(const char* name) { return qobject_cast<LineLamp*>(get(name))->colour(); }
};

TEST(SerialSetupDialogTest, OneInstanceShownFromTheSettingsMenuAndOnlyHidden) {
    SettingsRig rig;
    rig.showFromMenu();
    SerialSetupDialog* dialog = rig.settings();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Serial interface settings");
    EXPECT_FALSE(dialog->isModal());
    rig.click("btnSerialCancel");
    EXPECT_FALSE(dialog->isVisible());
    rig.showFromMenu();
    rig.click("btnSerialSave");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(rig.window->findChildren<SerialSetupDialog*>(), QList<SerialSetupDialog*>{dialog});
}

// The options and the port reach the link's settings at OK (their rules are the link settings' own), and the
// connect buttons follow the link.
TEST(SerialSetupDialogTest, OkOpensThePortWithTheChosenOptions) {
    SettingsRig rig;
    rig.showFromMenu();
    EXPECT_TRUE(rig.checked("opt_BaudRate(5)"));
    EXPECT_TRUE(rig.checked("PortCom1"));
    for (const char* option : {"opt_BaudRate(7)", "opt_Parity(2)", "opt_DataBits(2)", "optStopBits(1)", "PortCom2"}) {
        rig.click(option);
    }
    rig.click("btnSerialSave");
    EXPECT_EQ(rig.port().opened.back(), "/dev/ttyS1");
    EXPECT_EQ(rig.port().settings(), "38400,E,7,2");
    EXPECT_FALSE(rig.enabled("PortConnect"));
    rig.settings()->show();
    rig.click("PortDisconnect");
    EXPECT_FALSE(rig.port().isOpen());
    EXPECT_TRUE(rig.enabled("PortConnect"));
    rig.click("PortConnect");
    EXPECT_TRUE(rig.port().isOpen());

    // Showing the dialog from the menu again closes the link and loads the stored settings anew.
    rig.showFromMenu();
    EXPECT_FALSE(rig.port().isOpen());
}

TEST(SerialSetupDialogTest, ShowsWhatIsStoredAndStoresTheTimeOutAtTheEnd) {
    SettingsRig rig;
    rig.store.setValue("serialsetup", "ComPortS", "19200,E,7,2");
    rig.store.setValue("serialsetup", "TOslider", "5000");
    rig.store.setValue("serialsetup", "ComPortP", "2");
    rig.port().missingDevices = {"/dev/ttyS2"};

    rig.showFromMenu();
    for (const char* option : {"opt_BaudRate(6)", "opt_Parity(2)", "opt_DataBits(2)", "optStopBits(1)", "PortCom2"}) {
        EXPECT_TRUE(rig.checked(option)) << option;
    }
    EXPECT_EQ(Control<QLabel>(rig.settings(), "lblTimeout")->text(), "5 s");
    EXPECT_FALSE(rig.enabled("PortCom3"));
    EXPECT_EQ(Control<QLabel>(rig.settings(), "lblDevice(3)")->text(), "/dev/ttyS2");
    EXPECT_EQ(Control<QComboBox>(rig.settings(), "cmbDevicePort")->currentText(), "COM2");
    EXPECT_EQ(Control<QLineEdit>(rig.settings(), "txtDevice")->text(), "/dev/ttyS1");

    Control<QSlider>(rig.settings(), "Slider1")->setValue(8);
    EXPECT_EQ(Control<QLabel>(rig.settings(), "lblTimeout")->text(), "8 s");
    rig.restart(std::make_unique<test::FakeSerialPort>());
    EXPECT_EQ(rig.store.value("serialsetup", "TOslider", ""), "8000");
}

TEST(SerialSetupDialogTest, AProgramThatNeverUsedTheLinkStoresNothing) {
    SettingsRig rig;
    rig.restart();
    EXPECT_FALSE(rig.store.contains("serialsetup", "ComPortS"));
    EXPECT_FALSE(rig.store.contains("serialsetup", "TOslider"));
}

TEST(SerialSetupDialogTest, LampsShowTheLinesAndUnknownLinesAsUnknown) {
    SettingsRig rig;
    rig.showFromMenu();
    rig.click("PortConnect");
    // A pseudo-terminal or a plain adapter reports no modem lines.
    for (const char* lamp : {"lbl_CD", "lbl_CTS", "lbl_DSR", "lbl_DTR", "lbl_RTS"}) {
        EXPECT_EQ(rig.lamp(lamp), LineLamp::kUnknown) << lamp;
    }
    EXPECT_EQ(rig.lamp("lbl_working"), LineLamp::kTransferBright);
    rig.click("PortDisconnect");

    rig.port().lines = LineState::On;
    rig.port().modemLinesSupported = true;
    rig.click("PortConnect");
    for (const char* lamp : {"lbl_CD", "lbl_CTS", "lbl_DSR"}) EXPECT_EQ(rig.lamp(lamp), LineLamp::kOn) << lamp;
    // DTR and RTS switch with a click (or Space), and their lamps follow.
    auto* dtr = Control<LineLamp>(rig.settings(), "lbl_DTR");
    QTest::mouseClick(dtr, Qt::LeftButton);
    EXPECT_EQ(rig.port().dataTerminalReady(), LineState::On);
    EXPECT_EQ(rig.lamp("lbl_DTR"), LineLamp::kOn);
    QTest::mouseClick(dtr, Qt::LeftButton);
    EXPECT_EQ(rig.lamp("lbl_DTR"), LineLamp::kOff);
    auto* rts = Control<LineLamp>(rig.settings(), "lbl_RTS");
    rts->setFocus();
    QTest::keyClick(rts, Qt::Key_Space);
    EXPECT_EQ(rig.port().requestToSend(), LineState::On);
    EXPECT_EQ(rig.lamp("lbl_RTS"), LineLamp::kOn);
}

// One line per entry, newest first, whatever line breaks an entry carries at its ends.
TEST(SerialSetupDialogTest, TheLogShowsTheNewestEntryFirst) {
    SettingsRig rig;
    rig.showFromMenu();
    SerialLink& link = rig.stack().link();
    link.log("first entry");
    link.log("\r\nsecond entry\r\n");
    EXPECT_EQ(rig.log(), "second entry\nfirst entry");

    // Entries that come while the dialog is hidden are there when it shows again.
    rig.click("btnSerialCancel");
    link.log("third entry");
    rig.settings()->show();
    EXPECT_EQ(rig.log(), "third entry\nsecond entry\nfirst entry");
    link.clearLog();
    EXPECT_EQ(rig.log(), "");
}

TEST(SerialSetupDialogTest, TheDeviceChooserListsTheMachinesDevices) {
    SettingsRig rig;
    rig.devices.devices = {{"/dev/ttyUSB0", "FT232R USB UART", "FTDI"}, {"/dev/ttyS0", "", ""}};
    rig.showFromMenu();
    auto* list = Control<QTreeWidget>(rig.settings(), "lstDevices");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "FT232R USB UART");
    EXPECT_EQ(list->topLevelItem(0)->text(2), "FTDI");

    // A device plugged in shows after Refresh.
    rig.devices.devices.push_back({"/dev/ttyACM0", "KORU programming cable", "Orven"});
    EXPECT_EQ(list->topLevelItemCount(), 2);
    rig.click("cmdRefreshDevices");
    ASSERT_EQ(list->topLevelItemCount(), 3);

    // Choosing a device for COM2: it is stored at once and the port shows it.
    Control<QComboBox>(rig.settings(), "cmbDevicePort")->setCurrentIndex(1);
    list->setCurrentItem(list->topLevelItem(2));
    EXPECT_EQ(Control<QLineEdit>(rig.settings(), "txtDevice")->text(), "/dev/ttyACM0");
    rig.click("cmdUseDevice");
    EXPECT_EQ(rig.store.value("serialsetup", "ComDevice2", ""), "/dev/ttyACM0");
    EXPECT_EQ(Control<QLabel>(rig.settings(), "lblDevice(2)")->text(), "/dev/ttyACM0");
    rig.click("PortCom2");
    rig.click("btnSerialSave");
    EXPECT_EQ(rig.port().opened.back(), "/dev/ttyACM0");
}

// A port whose device was missing at load gets its option back once it names one that opens.
TEST(SerialSetupDialogTest, ATypedDeviceThatOpensEnablesItsPort) {
    SettingsRig rig;
    rig.port().missingDevices = {"/dev/ttyS2", "/dev/pts/404"};
    rig.showFromMenu();
    EXPECT_FALSE(rig.enabled("PortCom3"));
    Control<QComboBox>(rig.settings(), "cmbDevicePort")->setCurrentIndex(2);
    auto* path = Control<QLineEdit>(rig.settings(), "txtDevice");
    path->clear();
    QTest::keyClicks(path, "/dev/pts/404");
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_FALSE(rig.enabled("PortCom3"));
    EXPECT_TRUE(rig.settings()->isVisible());  // Enter in the path does not press OK
    path->clear();
    QTest::keyClicks(path, "/dev/pts/7");
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_TRUE(rig.enabled("PortCom3"));
    EXPECT_EQ(rig.store.value("serialsetup", "ComDevice3", ""), "/dev/pts/7");
}

// The real list is the system's, shown as it comes (pseudo-terminals are not in it).
TEST(SerialSetupDialogTest, TheSystemsSerialDevicesAreShownAsTheyAre) {
    SettingsRig rig;
    QtSerialDevices system;
    LinkSettings settings(rig.stack().link(), rig.store);
    SerialSetupDialog dialog(settings, rig.stack().link(), system);
    dialog.show();
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    auto* list = Control<QTreeWidget>(&dialog, "lstDevices");
    ASSERT_EQ(list->topLevelItemCount(), ports.size());
    for (int row = 0; row < ports.size(); ++row) {
        EXPECT_EQ(list->topLevelItem(row)->text(0), ports[row].systemLocation());
        EXPECT_EQ(list->topLevelItem(row)->text(1), ports[row].description());
        EXPECT_EQ(list->topLevelItem(row)->text(2), ports[row].manufacturer());
    }
}

}  // namespace
}  // namespace koru
