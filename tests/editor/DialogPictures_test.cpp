#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>

#include "editor/dialogs/AddActionDialog.h"
#include "editor/dialogs/AddParameterDialog.h"
#include "editor/dialogs/DeleteUnitDialog.h"
#include "editor/dialogs/ExportDialog.h"
#include "editor/dialogs/NewUnitDialog.h"
#include "tests/editor/WindowTesting.h"

namespace koru {
namespace {

// Every dialog, opened from the window on the busy sample unit, fits on a 1280x800 screen. With
// KORU_SHOTS_DIR set (scripts/screenshots.sh does, on a virtual display), each is also saved as a picture.
TEST(DialogPictures, EveryDialogFitsOnTheScreen) {
    test::EditingWindow w{{"0000000017(Mast Hill).kuf", "0000000101(Well 1).kuf", "0000000102(Well 2).kuf"}};
    ASSERT_TRUE(w.window->openUnitFile(KORU_SOURCE_DIR "/docs/samples/pumpstation.kuf"));
    const QString folder = qEnvironmentVariable("KORU_SHOTS_DIR");

    const auto picture = [&](const char* name, auto open) {
        open();
        QDialog* dialog = w.openDialog();
        ASSERT_NE(dialog, nullptr) << name;
        dialog->adjustSize();
        const QSize size = dialog->frameGeometry().size();
        EXPECT_LE(size.width(), 1280) << name;
        EXPECT_LE(size.height(), 800) << name;
        if (!folder.isEmpty()) {
            EXPECT_TRUE(dialog->grab().save(folder + "/" + name + ".png")) << name;
        }
        dialog->close();
        test::LetClosedDialogsGo();
    };
    picture("20-actions", [&] {
        w.press("cmdAddActionBitMask(0)");
        auto* offered = test::Control<QListWidget>(w.openDialog(), "lstAction");
        offered->setCurrentRow(2);
    });
    picture("21-parameters", [&] { w.press("cmdAddParameter"); });
    picture("22-new-koru-unit", [&] {
        w.window->menus().newUnit->trigger();  // the save prompt is answered No
        QDialog* dialog = w.openDialog();
        QTest::keyClicks(test::Control<QLineEdit>(dialog, "txtId"), "103");
        QTest::keyClicks(test::Control<QLineEdit>(dialog, "txtAlias"), "Well 3");
    });
    picture("23-delete-koru-unit", [&] {
        w.window->menus().deleteUnit->trigger();
        test::Control<ListBox>(w.openDialog(), "lstUnitInSystem")->setCurrentRow(1);
    });
    picture("24-export-parameters", [&] {
        w.window->menus().exportUnit->trigger();
        QDialog* dialog = w.openDialog();
        test::Control<QCheckBox>(dialog, "chkRadioSetup")->setChecked(true);
        test::Control<QCheckBox>(dialog, "chkAllActions")->click();
    });
    picture("25-about", [&] { w.window->menus().about->trigger(); });
}

}  // namespace
}  // namespace koru
