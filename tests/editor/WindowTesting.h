#pragma once

// The main window with the unit editing attached, on a library in a temporary folder and scripted dialogs,
// driven the way the user drives it: by the controls' names, on their own tabs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "editor/ChoiceBox.h"
#include "editor/MainWindow.h"
#include "editor/UnitEditing.h"
#include "tests/editor/DialogTesting.h"
#include "tests/support/TestLibrary.h"
#include "tests/support/ScriptedDialogs.h"

namespace koru::test {

class EditingWindow {
public:
    // `units` are unit files put in the library before the window starts.
    explicit EditingWindow(const std::vector<std::string>& units = {}) {
        for (const std::string& name : units) files.addUnitFile(name);
        window = std::make_unique<MainWindow>(UnitLibrary(files.dir.path()), dialogs);
        AttachUnitEditing(*window);
        window->show();
    }
    ~EditingWindow() {
        window.reset();
        LetClosedDialogsGo();
    }

    template <class T = QWidget>
    T* get(const QString& name) const {
        return WindowControl<T>(window.get(), name);
    }

    // Brings the tab that holds `control` to the front, as the user would before using it.
    void showTabOf(const QWidget* control) const {
        auto* tabs = window->findChild<QTabWidget*>("sstEvents");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (tabs->widget(tab)->isAncestorOf(control)) tabs->setCurrentIndex(tab);
        }
    }
    void press(const QString& button) const {
        QWidget* control = get(button);
        showTabOf(control);
        Click(control);
    }
    void check(const QString& box) const {
        QWidget* control = get(box);
        showTabOf(control);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
    }
    void select(const QString& list, int row) const { get<ListBox>(list)->setCurrentRow(row); }
    void selectText(const QString& list, const QString& text) const {
        auto* box = get<ListBox>(list);
        ASSERT_EQ(box->texts().count(text), 1) << text.toStdString();
        box->setCurrentRow(static_cast<int>(box->texts().indexOf(text)));
    }
    // Clicks into the field, so it has the keyboard focus, and types `text` over what it holds.
    void type(const QString& field, const QString& text) const {
        auto* edit = get<QLineEdit>(field);
        showTabOf(edit);
        QApplication::setActiveWindow(window.get());  // the offscreen platform activates no window itself
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void choose(const QString& box, const QString& item) const {
        auto* choice = get<ChoiceBox>(box);
        const int index = choice->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        choice->setCurrentIndex(index);
    }
    std::vector<std::string> items(const QString& list) const { return Items(get<ListBox>(list)); }

    // The dialog the window opened last and still shows; null when none is open.
    template <class T = QDialog>
    T* openDialog() const {
        T* shown = nullptr;
        for (T* dialog : window->findChildren<T*>()) {
            if (dialog->isVisible()) shown = dialog;
        }
        return shown;
    }

    TestLibrary files;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

}  // namespace koru::test
