#pragma once

// The main window `frmSetUpKoru`: the one view of the open unit's configuration. It owns the configuration,
// the twelve tabs, the menus, start-up (folders, unit lists) and the end of the program (the save prompt).
//
// How the editing parts and the send windows hook onto it:
//   - configuration()      the open unit, to read.
//   - edit(step, change)   the one way a command changes the unit: `change` edits a copy; each setting it
//                          changed goes into the unit (reported with its old and new value by edits()), and its
//                          fields show it; the change is one step of the Edit menu's undo, called `step`. What
//                          the user types, picks or clicks in a field goes in the same way.
//   - controls()           the controls the parts work with, by tab, as typed members (the network buttons, the
//                          create and delete buttons, the event "Actions" buttons, "SEND TO UNIT"). They stand
//                          disabled until the part that makes them work enables them (WindowHooks.h).
//   - onPage(tab, hook)    a tab's page, and so its controls, is built when the tab is first shown (the
//                          first tab's as the window first shows): a part hooks onto a page's controls in
//                          `hook`, which runs once the page is there. buildPage(tab) and buildAllPages() build
//                          pages now.
//   - menus()              every menu item, built here in its menu and place; the part that does the work
//                          connects the item and enables it.
//   - library(), dialogs() the unit library and the user's dialogs (message boxes, questions, file choosers;
//                          no nested event loops). A library operation's question: RunAsking
//                          (editor/AskingOperation.h).
//   - refreshUnitLists()   rebuilds the unit list and both destination lists from the library (read when a
//                          page that shows them is built).
//   - setWindowEnabled()   switches the window's fields and menus off while a dialog works alone; dialogs that
//                          are children of the window stay usable.
//   - promptSaveUnit(then) "Do you want to save unit?" when a unit is open, then `then` (not called when a save
//                          the user asked for failed; the failure has been shown).
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
#include <memory>
#include <string>
#include <vector>

#include "editor/FieldFactory.h"
#include "editor/tabs/MessageActionsPage.h"
#include "editor/tabs/NetworkPage.h"
#include "editor/tabs/OutputFlagActionsPage.h"
#include "editor/tabs/OverviewPage.h"
#include "editor/tabs/TimerCounterActionsPage.h"
#include "model/UnitConfiguration.h"
#include "model/UnitLibrary.h"
#include "model/UnsavedEdits.h"

class QAction;
class QLabel;
class QMenu;
class QStringListModel;

namespace koru {

class ChoiceBox;
class EditHistory;
class FieldValidation;
class SettingBinder;
class TabSet;
class UserDialogs;
class WindowRules;
struct LibraryResult;

// The window's tabs, in their order.
enum class WindowTab {
    Overview,
    Network,
    CommSetup,
    InputSleep,
    MessageEvents,
    IoEvents,
    TimerCounterCommEvents,
    RemoteEvents,
    MessageActions,
    OutputFlagActions,
    TimerCounterActions,
    Misc,
};

// The controls the editing parts work with; those of a page not built yet are null (eventButtons holds
// the buttons of the pages built so far).
struct WindowControls {
    OverviewControls overview;
    NetworkControls network;
    MessageActionControls messageActions;
    OutputFlagActionControls outputFlagActions;
    ActionMakerControls timerActions;
    ActionMakerControls counterActions;
    std::vector<EventButton> eventButtons;
    ChoiceBox* channel = nullptr;  // tab 2: the channel and the frequency it stands for
    QLabel* frequency = nullptr;
};

// The menu items, in the menu bar's order.
struct WindowMenus {
    QMenu* file = nullptr;
    QAction* newUnit = nullptr;
    QAction* deleteUnit = nullptr;
    QAction* openUnit = nullptr;
    QMenu* recentUnits = nullptr;  // after Open; editor/RecentUnits.h fills it
    QAction* saveUnit = nullptr;
    QAction* exportUnit = nullptr;
    QAction* importUnit = nullptr;
    QAction* compareWithLastSend = nullptr;
    QAction* sendHistory = nullptr;
    QAction* exit = nullptr;
    QMenu* edit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QMenu* view = nullptr;
    QAction* networkMap = nullptr;
    QMenu* settings = nullptr;
    QAction* commSettings = nullptr;
    QMenu* help = nullptr;
    QAction* about = nullptr;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window with every field at its default, creates the library's folders when they are
    // missing and fills the unit lists. `dialogs` must outlive the window.
    MainWindow(UnitLibrary library, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The size the window opens at: 1280x800, or less on a smaller screen.
    static QSize PreferredSize();

    const UnitConfiguration& configuration() const { return config_; }
    const UnitLibrary& library() const { return library_; }
    UserDialogs& dialogs() { return dialogs_; }
    const WindowControls& controls() const { return controls_; }
    const WindowMenus& menus() const { return menus_; }
    SettingBinder& edits() { return *binder_; }
    const EditHistory& history() const { return *history_; }

    // Runs `hook` (in `context`) once the page of `tab` is built: now when it is, else when the tab is
    // first shown.
    void onPage(WindowTab tab, QObject* context, std::function<void()> hook);
    // Runs `hook` (in `context`) for every page built so far and for each page built later.
    void onEveryPage(QObject* context, std::function<void(WindowTab)> hook);
    bool isPageBuilt(WindowTab tab) const;
    // Builds the page of `tab` now, as showing the tab would (nothing when it is built).
    void buildPage(WindowTab tab);
    void buildAllPages();

    // Changes the unit as a command does: `change` edits a copy and says whether it did anything. What it
    // changed is one step of the undo history, called `step` ("New action"). Returns whether a setting changed.
    bool edit(const QString& step, const std::function<bool(UnitConfiguration&)>& change);
    // Makes `config` the open unit (a new unit was made) and shows it whole.
    void replaceConfiguration(UnitConfiguration config);
    void refreshUnitLists();
    void setWindowEnabled(bool enabled);
    bool isWindowEnabled() const { return windowEnabled_; }
    void promptSaveUnit(std::function<void()> then);
    int currentMessageText() const;

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
    // The page of `tab` has been built, its fields bound and showing the unit.
    void pageBuilt(koru::WindowTab tab);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTabs();
    // Makes the page of `tab` in `holder`, binds its fields and hooks its controls.
    QWidget* buildPageIn(WindowTab tab, QWidget* holder);
    QWidget* makePage(WindowTab tab, QWidget* holder);
    void buildMenus();
    void startUp();
    void readUnitLists();
    // Model to every field (and the title); after the configuration changed as a whole.
    void showFields();
    void showConfiguration();
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
    std::unique_ptr<FieldFactory> factory_;
    // The library's units and the two destination lists, shown by the lists of three tabs.
    QStringListModel* units_ = nullptr;
    QStringListModel* messageDestinations_ = nullptr;
    QStringListModel* outputFlagDestinations_ = nullptr;
    TabSet* tabs_ = nullptr;
    std::vector<bool> built_;     // by tab
    bool unitListsRead_ = false;  // the three lists hold what the library held at the last refresh
    MessageActionsPage* messageActions_ = nullptr;
    FieldValidation* validation_ = nullptr;
    SettingBinder* binder_ = nullptr;
    EditHistory* history_ = nullptr;
    WindowRules* rules_ = nullptr;
    WindowControls controls_;
    WindowMenus menus_;
    bool windowEnabled_ = true;
    bool asking_ = false;   // the save prompt of a close is open
    bool closing_ = false;  // the close has been decided
};

}  // namespace koru
