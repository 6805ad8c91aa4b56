#pragma once

// A main window over a temporary library, with scripted dialogs, for tests that drive the real widgets by
// object name.

#include <QApplication>
#include <QTest>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "editor/MainWindow.h"
#include "model/FileNames.h"
#include "model/SettingCatalog.h"
#include "model/UnitFile.h"
#include "model/UnitName.h"
#include "tests/editor/DialogTesting.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestSupport.h"

// Readable failures for texts of the widgets.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace koru::test {

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override { window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs); }
    void TearDown() override { window.reset(); }

    // The control named `name`; fails the test when there is none of that kind.
    template <class T = QWidget>
    T* get(const QString& name) const {
        return WindowControl<T>(window.get(), name);
    }

    // Shows the window and gives it the keyboard, so focus changes send their events.
    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Shows the tab holding `control` (a click on a hidden tab does nothing).
    void showTabOf(QWidget* control);

    std::filesystem::path writeFile(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = library.path() / name;
        WriteBytes(file, bytes);
        return file;
    }

    bool open(const std::string& bytes, const std::string& name = "opened.kuf") {
        return window->openUnitFile(writeFile(name, bytes).string());
    }

    // The saved file of the open unit in the library.
    std::filesystem::path savedFile() const {
        return library.path() / "Units" / FileSystemName(UnitFileName(window->configuration().unit));
    }

    TempDir library;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

// What `korucfg normalize FILE` prints: the unit file that loading `bytes` over a new unit and saving writes.
std::string Normalized(const std::string& bytes);

// Compares two unit files line by line and names the first line that differs, instead of printing both files.
::testing::AssertionResult SameUnitFile(const std::string& actual, const std::string& expected);

// The control of a setting's item.
QString Name(const Setting& setting, int index);

// What a control shows, in the model's terms: a text, "1"/"0" for a box or an option, a list joined.
std::string Shown(QWidget* control);
// Shows the event row that holds `field` when the row is off, as turning it on would (the unit is not
// changed): the cells and action lists of a row that is off show their values when it shows.
void ShowItsRow(QWidget* field);

// Types `text` into `field` as the user would, after selecting what it holds (an empty text deletes it).
void Retype(QWidget* field, const QString& text);

// Types each character of `text` as a key press, any character a keyboard may give.
void TypeText(QWidget* field, const QString& text);

}  // namespace koru::test
