#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>

#include "editor/dialogs/AddParameterDialog.h"
#include "tests/editor/DialogTesting.h"

namespace koru {
namespace {

using test::Click;
using test::Control;

struct RowCase {
    const char* name;
    int row;
    const char* caption;
    const char* valueControl;  // the label or drop-down of the row
    const char* choice;        // the item picked; nullptr for a label row
    const char* token;
};

class ParameterRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(ParameterRows, AddAppendsTheTokenOfTheRowAndCloses) {
    const RowCase& c = GetParam();
    QPointer<AddParameterDialog> dialog = new AddParameterDialog;
    QSignalSpy finished(dialog.data(), &QDialog::finished);
    dialog->open();
    const QString row = QString::number(c.row);
    EXPECT_EQ(Control<QLabel>(dialog, "lblParamName(" + row + ")")->text(), c.caption);
    if (c.choice != nullptr) {
        auto* box = Control<QComboBox>(dialog, c.valueControl);
        ASSERT_NE(box, nullptr);
        box->setCurrentText(c.choice);
        ASSERT_EQ(box->currentText(), c.choice);
    } else {
        EXPECT_NE(Control<QLabel>(dialog, c.valueControl), nullptr);
    }
    Click(dialog, "cmdAddParam(" + row + ")");
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.front().front().toInt(), QDialog::Accepted);
    EXPECT_EQ(dialog->chosenToken(), c.token);
    test::LetClosedDialogsGo();
    EXPECT_EQ(dialog, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    All, ParameterRows,
    ::testing::Values(RowCase{"Id", 0, "Id:", "lblId", nullptr, "<I>"},
                      RowCase{"Alias", 1, "Alias:", "lblAlias", nullptr, "<A>"},
                      RowCase{"Type", 2, "Type:", "lblType", nullptr, "<T>"},
                      RowCase{"SoftwareVersion", 3, "Version:", "cmbVersion", "Software version", "<S>"},
                      RowCase{"Input5", 4, "Input:", "cmbInput", "Input 5", "<I5>"},
                      RowCase{"Output4", 5, "Output:", "cmbOutput", "Output 4", "<O4>"},
                      RowCase{"Flag7", 6, "Flag:", "cmbFlag", "Flag 7", "<F7>"},
                      RowCase{"AllIO", 7, "All I/O:", "lblAllIO", nullptr, "<IO>"},
                      RowCase{"Timer3", 8, "Timer", "cmbTimer", "Timer 3", "<T3>"},
                      RowCase{"Timer3WithUnit", 8, "Timer", "cmbTimer", "Timer 3 + unit", "<TU3>"},
                      RowCase{"Counter2", 9, "Counter:", "cmbCounter", "Counter 2", "<C2>"},
                      RowCase{"ReceivedMessage", 10, "Message:", "Label1", nullptr, "<M>"},
                      RowCase{"LineFeed", 11, "Character:", "cmbCharacter", "Line feed", "<LF>"},
                      RowCase{"Line12", 12, "Continue on:", "cmbLine", "Line 12", "<L12>"},
                      RowCase{"Line2", 12, "Continue on:", "cmbLine", "Line 2", "<L2>"},
                      RowCase{"Rssi", 13, "RSSI [dBm]", "lblRSSI", nullptr, "<R>"},
                      RowCase{"InteractingUnit", 14, "Unit id:", "lblUnitId", nullptr, "<U>"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(AddParameterDialog, StartsAtTheFirstItemOfEveryDropDown) {
    AddParameterDialog dialog;
    EXPECT_EQ(dialog.objectName(), "frmAddParam");
    EXPECT_EQ(dialog.windowTitle(), "Parameters");
    const std::vector<std::pair<const char*, const char*>> firsts{{"cmbVersion", "Hardware version"},
                                                                  {"cmbInput", "Input 1"},
                                                                  {"cmbOutput", "Output 1"},
                                                                  {"cmbFlag", "Flag 1"},
                                                                  {"cmbTimer", "Timer 1"},
                                                                  {"cmbCounter", "Counter 1"},
                                                                  {"cmbCharacter", "Carriage return"},
                                                                  {"cmbLine", "Line 1"}};
    for (const auto& [name, first] : firsts)
        EXPECT_EQ(Control<QComboBox>(&dialog, name)->currentText(), first);
}

TEST(AddParameterDialog, CancelAndTheCloseBoxChooseNothing) {
    for (bool closeBox : {false, true}) {
        QPointer<AddParameterDialog> dialog = new AddParameterDialog;
        QSignalSpy finished(dialog.data(), &QDialog::finished);
        dialog->open();
        if (closeBox) {
            dialog->close();
        } else {
            Click(dialog, "cmdCancel");
        }
        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.front().front().toInt(), QDialog::Rejected);
        EXPECT_EQ(dialog->chosenToken(), "");
        test::LetClosedDialogsGo();
    }
}

}  // namespace
}  // namespace koru
