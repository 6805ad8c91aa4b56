#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include "editor/dialogs/AboutDialog.h"
#include "tests/editor/DialogTesting.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

using test::Control;

// The version the build gives the program: the project's version in the top CMakeLists.txt.
QString ProjectVersion() {
    const QString cmake =
        QString::fromStdString(test::ReadBytes(std::filesystem::path(KORU_SOURCE_DIR) / "CMakeLists.txt"));
    return QRegularExpression(R"(project\(\w+ VERSION ([0-9.]+))").match(cmake).captured(1);
}

TEST(AboutDialog, ShowsTheNameLineAndTheVersionUnderIt) {
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "About");
    const auto* name = Control<QLabel>(&dialog, "lblAbout");
    EXPECT_EQ(name->text(), "KORU Configuration ver. 1.3c");
    EXPECT_TRUE(name->alignment() & Qt::AlignHCenter);
    ASSERT_FALSE(ProjectVersion().isEmpty());
    EXPECT_EQ(Control<QLabel>(&dialog, "lblVersion")->text(), "Version " + ProjectVersion());
    EXPECT_FALSE(Control<QLabel>(&dialog, "picKoru")->pixmap().isNull());
}

TEST(AboutDialog, AClickOnAnyPartClosesIt) {
    for (const char* part : {"frmAbout", "fraAbout", "picKoru", "lblAbout", "lblVersion"}) {
        QPointer<AboutDialog> dialog = new AboutDialog;
        dialog->show();
        QWidget* target = dialog->objectName() == part ? dialog.data() : Control<QWidget>(dialog, part);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_FALSE(dialog->isVisible()) << part;
        test::LetClosedDialogsGo();
        EXPECT_EQ(dialog, nullptr) << part;
    }
}

}  // namespace
}  // namespace koru
