#pragma once

// The main window `frmSetUpKoru`: the one view of the open unit's configuration. It owns the configuration,
// the twelve tabs, the menus, start-up (folders, unit lists) and the end of the program (the save prompt).
//
// How the dialogs and the send windows hook onto it (the window's API; keep it stable):
//   - configuration()      the open unit; change it, then call refreshFields() (or showConfiguration() when the
//                          whole unit changed, as after New) so the fields, their rules and mirrors follow.
//                          Lists and labels (action lists, lstSlaveUnits, lblSelectedMaster, ...) change only
//                          this way; typed fields write into the configuration themselves.
//   - control(name)        any control by the name the window gives it ("lstMessage(3)", "cmdAddActionTimer(1)",
//                          "cmbMessageNumber", "lstDest"); control<QListWidget>(name) casts.
//   - fieldText(name)      the text of an editor-only field as the unit's bytes ("txtOutputFlagAction(4)").
//   - library(), dialogs() the unit library and the user's dialogs (message boxes, questions, file choosers;
//                          no nested event loops). Library questions: ask through dialogs() first, then run the
//                          library operation with FixedAnswer (model/LibraryQuestions.h).
//   - refreshUnitLists()   rebuilds lstUnitInSystem, lstDest and lstDestOutputFlag from the library.
//   - setWindowEnabled()   switches the window's fields and menus off while a dialog works alone; dialogs that
//                          are children of the window stay usable.
//   - promptSaveUnit(then) "Do you want to save unit?" when a unit is open, then `then` (not called when a save
//                          the user asked for failed; the failure has been shown).
//   - currentMessageText() the message text (0 to 19) that last had the focus, for "Add parameter".
//   - Buttons that belong to other parts (every "Actions" button, the create and delete buttons, the network
//     buttons, "Add parameter", "SEND TO UNIT") exist with their names and captions but are disabled: connect
//     and enable them.
//   - Menus: fileMenu() holds "Open KORU unit" (mnuOpenKoru), "Save KORU unit" (mnuSaveKoru), a separator,
//     "Import KORU unit" (mnuImportKoru), a separator and "Exit" (mnuExit). Put New and Delete before Open
//     with fileMenu()->insertAction(menuAction("mnuOpenKoru"), ...) and a separator, Export before Import the
//     same way; add "&Settings" and then "&Help" with menuBar()->addMenu(), which appends after "&File".
//   - programEnding()      emitted once the window closes for good: close your windows.
//   - hasUnsavedEdits()    a unit is open and differs from what its file holds as last opened or saved;
//                          configurationChanged() and savedStateChanged() say when that may have changed.
//                          markSaved() after writing the open unit's file yourself (as New does).
//   - unitFileUsed(path)   emitted after the open unit was read from or written to `path` (an open, a save, the
//                          save question's save, markSaved()): the recent units follow it.
//   - The title carries Qt's modified mark ("[*]", shown as "*") while hasUnsavedEdits().
//   - unitFilesChanged()   emitted after the window wrote or deleted unit files: a save (also the save question's),
//                          and every refreshUnitLists(), which New and Delete call when they are done.

#include <QMainWindow>

#include <functional>
#include <string>

#include "editor/ControlSet.h"
#include "model/UnitConfiguration.h"
#include "model/UnitLibrary.h"
#include "model/UnsavedEdits.h"

class QAction;
class QMenu;

namespace koru {

class MessageActionsPage;
class SettingBinder;
class TabSet;
class UserDialogs;
class WindowRules;
struct LibraryResult;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window with every field at its default, creates the library's folders when they are
    // missing and fills the unit lists. `dialogs` must outlive the window.
    MainWindow(UnitLibrary library, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    UnitConfiguration& configuration() { return config_; }
    const UnitConfiguration& configuration() const { return config_; }
    const UnitLibrary& library() const { return library_; }
    UserDialogs& dialogs() { return dialogs_; }

    QWidget* control(const QString& name) const;
    template <class T>
    T* control(const QString& name) const {
        return qobject_cast<T*>(control(name));
    }
    std::string fieldText(const QString& name) const;

    // Model to these fields ("lstMessage(3)", "lblSelectedMaster"), with their rules and mirrors.
    void refreshFields(const QStringList& names);
    // Model to every field, and the title; after the configuration changed as a whole.
    void showConfiguration();
    void refreshUnitLists();
    void setWindowEnabled(bool enabled);
    bool isWindowEnabled() const { return windowEnabled_; }
    void promptSaveUnit(std::function<void()> then);
    int currentMessageText() const;

    QMenu* fileMenu() const { return fileMenu_; }
    // "Recent units" in the File menu, after Open; editor/RecentUnits.h fills it.
    QMenu* recentUnitsMenu() const { return recentMenu_; }
    QAction* menuAction(const QString& name) const;

    // Loads a unit file over the configuration as Open does after its file chooser; false (and the reason
    // shown) when the file cannot be read, and then nothing has changed.
    bool openUnitFile(const std::string& path);

    // The commands of the File menu.
    void openUnit();
    void saveUnit();
    void importParameters();
    // Imports a parameter file over the configuration as Import does after its file chooser.
    void importParameterFile(const std::string& path);

    bool hasUnsavedEdits() const;
    void markSaved();
    // Puts edits kept from an earlier run back into the window; nothing is written, and they count as
    // unsaved until they are saved.
    void restoreEdits(const UnitConfiguration& edits);
    // Ends the program without asking anything (a logout, a closed terminal): a send is aborted as the
    // close does; unsaved edits are not saved (keep them elsewhere first).
    void endWithoutAsking();

signals:
    void programEnding();
    // The configuration changed: an edit, a load, a change made through configuration().
    void configurationChanged();
    // What counts as saved changed: an open, a save, a new unit, restored edits.
    void savedStateChanged();
    void unitFilesChanged();
    void unitFileUsed(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTabs();
    void buildMenus();
    void startUp();
    void updateTitle();
    void updateModifiedMark();
    void afterSave();
    // Asks whether to save the open unit and saves it on Yes; `answered` learns whether the command goes on.
    void askToSave(std::function<void(bool goOn)> answered);
    void report(const LibraryResult& result, const std::string& title);

    void settle();

    UnitConfiguration config_;
    UnsavedEdits unsaved_;
    UnitLibrary library_;
    UserDialogs& dialogs_;
    ControlSet controls_;
    TabSet* tabs_ = nullptr;
    MessageActionsPage* messageActions_ = nullptr;
    SettingBinder* binder_ = nullptr;
    WindowRules* rules_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    bool windowEnabled_ = true;
    bool asking_ = false;   // the save prompt of a close is open
    bool closing_ = false;  // the close has been decided
};

}  // namespace koru
