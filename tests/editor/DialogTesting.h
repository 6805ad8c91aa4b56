#pragma once

// Helpers for the widget tests: find a control by object name, click it as the user would, and let closed
// dialogs go.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QTest>
#include <QWidget>

#include <string>

#include "editor/ListBox.h"
#include "editor/MainWindow.h"
#include "platform/widgets/WidgetText.h"

namespace koru::test {

// The child of `parent` with this object name; fails the test when there is none.
template <typename T>
T* Control(const QObject* parent, const QString& name) {
    T* control = parent->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

// The window's control with this object name, among its tabs first (a dialog of the window may name one of
// its own fields alike); fails the test when there is none. A control of a page not built yet (a tab is
// built when first shown) is found after every page has been built.
template <typename T = QWidget>
T* WindowControl(MainWindow* window, const QString& name) {
    T* control = window->centralWidget()->findChild<T*>(name);
    if (control == nullptr) {
        window->buildAllPages();
        control = window->centralWidget()->findChild<T*>(name);
    }
    if (control == nullptr) control = window->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

// A left click in the middle of `widget` (which must be shown).
inline void Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
    QTest::mouseClick(widget, Qt::LeftButton);
}

template <typename T = QWidget>
void Click(const QObject* parent, const QString& name) {
    Click(Control<T>(parent, name));
}

// Double-clicks row `row` of `list` as a mouse does: a click, then the double-click.
inline void DoubleClickRow(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// The items of a list box as bytes.
inline std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> items;
    for (int row = 0; row < list->count(); ++row)
        items.push_back(FromWidgetText(list->item(row)->text()).value());
    return items;
}
inline std::vector<std::string> Items(const ListBox* list) {
    std::vector<std::string> items;
    for (const QString& text : list->texts()) items.push_back(FromWidgetText(text).value());
    return items;
}

// Checks that `dialog` (shown) fits on a 1280x800 screen at its natural size. With KORU_SHOTS_DIR set
// (scripts/screenshots.sh does, on a virtual display), it is also saved there as NAME.png.
inline void TakePicture(const char* name, QWidget* dialog) {
    ASSERT_TRUE(dialog->isVisible()) << name;
    dialog->adjustSize();
    const QSize size = dialog->frameGeometry().size();
    EXPECT_LE(size.width(), 1280) << name;
    EXPECT_LE(size.height(), 800) << name;
    const QString folder = qEnvironmentVariable("KORU_SHOTS_DIR");
    if (!folder.isEmpty()) {
        QTest::qWait(300);  // a fade, such as a line edit's clear button appearing, has ended
        EXPECT_TRUE(dialog->grab().save(folder + "/" + name + ".png")) << name;
    }
}

// Deletes the dialogs that closed (they delete themselves once the event loop would come round).
inline void LetClosedDialogsGo() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace koru::test
