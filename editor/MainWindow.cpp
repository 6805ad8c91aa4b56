#include "editor/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>

#include "editor/AskingOperation.h"
#include "editor/DialogText.h"
#include "editor/EditHistory.h"
#include "editor/FieldValidation.h"
#include "editor/ListItems.h"
#include "editor/SettingBinder.h"
#include "editor/TabSet.h"
#include "editor/WindowHooks.h"
#include "editor/WindowRules.h"
#include "editor/tabs/CommSetupPage.h"
#include "editor/tabs/InputSleepPage.h"
#include "editor/tabs/IoEventsPage.h"
#include "editor/tabs/MessageActionsPage.h"
#include "editor/tabs/MessageEventsPage.h"
#include "editor/tabs/NetworkPage.h"
#include "editor/tabs/OutputFlagActionsPage.h"
#include "editor/tabs/OverviewPage.h"
#include "editor/tabs/RemoteEventsPage.h"
#include "editor/tabs/TimerCounterActionsPage.h"
#include "editor/tabs/TimerCounterCommEventsPage.h"
#include "model/FileNames.h"
#include "model/UnitFile.h"
#include "model/UnitName.h"
#include "platform/UserDialogs.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

const QString kNoUnitTitle = QStringLiteral("Setup KORU-unit");
const std::string kOpenUnitTitle = "Open unit...";
const std::string kParameterFileTitle = "Save parameters...";

// A window title shows "[*]" as the modified marker; a unit's own "[*]" is written twice to stay as it is.
QString TitleText(const QString& text) {
    QString title = text;
    return title.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

// The menus, in the menu bar's order.
struct MenuTitle {
    const char* caption;
    const char* name;
    QMenu* WindowMenus::*menu;
};
constexpr MenuTitle kMenus[] = {
    {"&File", "mnuFile", &WindowMenus::file},
    {"&Edit", "mnuEdit", &WindowMenus::edit},
    {"&View", "mnuView", &WindowMenus::view},
    {"&Settings", "mnuSettings", &WindowMenus::settings},
    {"&Help", "mnuHelp", &WindowMenus::help},
};

// Every menu item, in its menu's order; a row without a name is a separator.
struct MenuItem {
    QMenu* WindowMenus::*menu;
    const char* name;
    const char* caption;
    QKeySequence keys;
    QAction* WindowMenus::*action;
};

const std::vector<MenuItem>& MenuItems() {
    using M = WindowMenus;
    static const std::vector<MenuItem> items{
        {&M::file, "mnuNewKoru", "&New KORU unit", QKeySequence::New, &M::newUnit},
        {&M::file, "mnuDeleteKoru", "&Delete KORU unit", {}, &M::deleteUnit},
        {&M::file, nullptr, nullptr, {}, nullptr},
        {&M::file, "mnuOpenKoru", "&Open KORU unit", QKeySequence::Open, &M::openUnit},
        {&M::file, "mnuSaveKoru", "&Save KORU unit", QKeySequence::Save, &M::saveUnit},
        {&M::file, nullptr, nullptr, {}, nullptr},
        {&M::file, "mnuExportKoru", "&Export KORU unit", {}, &M::exportUnit},
        {&M::file, "mnuImportKoru", "&Import KORU unit", {}, &M::importUnit},
        {&M::file, nullptr, nullptr, {}, nullptr},
        {&M::file, "mnuCompareLastSend", "Co&mpare with last send...", {}, &M::compareWithLastSend},
        {&M::file, "mnuSendHistory", "Send &history...", {}, &M::sendHistory},
        {&M::file, nullptr, nullptr, {}, nullptr},
        {&M::file, "mnuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q), &M::exit},
        {&M::edit, "mnuUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), &M::undo},
        {&M::edit, "mnuRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &M::redo},
        {&M::view, "mnuNetworkMap", "&Network map", QKeySequence(Qt::CTRL | Qt::Key_M), &M::networkMap},
        {&M::settings, "mnuCommSettings", "&Communication Settings", {}, &M::commSettings},
        {&M::help, "mnuAbout", "&About", {}, &M::about},
    };
    return items;
}

}  // namespace

MainWindow::MainWindow(UnitLibrary library, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), library_(std::move(library)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmSetUpKoru"));
    setWindowTitle(kNoUnitTitle);
    FieldFactory factory(config_);
    buildTabs(factory);
    controls_.eventButtons = factory.eventButtons();
    // The order matters: a typed value is checked before it enters the unit, and the rules see it checked.
    new FieldValidation(factory.checkedFields(), this);
    binder_ = new SettingBinder(config_, factory.boundFields(), this);
    rules_ = new WindowRules(controls_, *binder_, this);
    binder_->showAll();
    rules_->applyAll();
    buildMenus();
    history_ = new EditHistory(*binder_, *this);
    history_->connectMenu(menus_.undo, menus_.redo);
    startUp();
    unsaved_.settle(config_);
    connect(binder_, &SettingBinder::edited, this, &MainWindow::configurationChanged);
    connect(this, &MainWindow::configurationChanged, this, &MainWindow::updateModifiedMark);
    connect(this, &MainWindow::savedStateChanged, this, &MainWindow::updateModifiedMark);

    const QSize preferred(1280, 800);
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(screen != nullptr ? preferred.boundedTo(screen->availableGeometry().size()) : preferred);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTabs(FieldFactory& factory) {
    tabs_ = new TabSet(this);
    setCentralWidget(tabs_);
    auto* overview = new OverviewPage(factory);
    tabs_->addPage(overview, QStringLiteral("KORU unit"));
    auto* network = new NetworkPage(factory);
    tabs_->addPage(network, QStringLiteral("Network setup"));
    auto* commSetup = new CommSetupPage(factory);
    tabs_->addPage(commSetup, QStringLiteral("Timer, counter, comm. setup"));
    tabs_->addPage(new InputSleepPage(factory), QStringLiteral("Input, sleep setup"));
    tabs_->addPage(new MessageEventsPage(factory), QStringLiteral("Messages events"));
    tabs_->addPage(new IoEventsPage(factory), QStringLiteral("I/O and sleep events"));
    tabs_->addPage(new TimerCounterCommEventsPage(factory), QStringLiteral("Timer, counter, comm. events"));
    tabs_->addPage(new RemoteEventsPage(factory), QStringLiteral("Remote control events"));
    messageActions_ = new MessageActionsPage(factory);
    tabs_->addPage(messageActions_, QStringLiteral("Message actions"));
    auto* outputFlagActions = new OutputFlagActionsPage(factory);
    tabs_->addPage(outputFlagActions, QStringLiteral("Output and flag actions"));
    auto* timerCounterActions = new TimerCounterActionsPage(factory);
    tabs_->addPage(timerCounterActions, QStringLiteral("Timers and counter actions"));
    tabs_->addPage(new TabPage(factory, controls::kMiscTab, nullptr), QStringLiteral("Misc."));

    controls_.overview = overview->controls();
    controls_.network = network->controls();
    controls_.messageActions = messageActions_->controls();
    controls_.outputFlagActions = outputFlagActions->controls();
    controls_.timerActions = timerCounterActions->timers();
    controls_.counterActions = timerCounterActions->counters();
    controls_.channel = commSetup->channel();
    controls_.frequency = commSetup->frequency();
}

// Every menu item in its place. An item whose work another part does stays disabled until that part
// connects it (WindowHooks.h).
void MainWindow::buildMenus() {
    for (const MenuTitle& menu : kMenus) {
        QMenu* made = menuBar()->addMenu(QString::fromLatin1(menu.caption));
        made->setObjectName(QString::fromLatin1(menu.name));
        menus_.*menu.menu = made;
    }
    for (const MenuItem& item : MenuItems()) {
        QMenu* menu = menus_.*item.menu;
        if (item.name == nullptr) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(item.keys);
        action->setEnabled(false);
        menus_.*item.action = action;
    }
    // "Recent units" stands after Open; editor/RecentUnits.h fills it.
    menus_.recentUnits = new QMenu(QStringLiteral("&Recent units"), menus_.file);
    menus_.recentUnits->menuAction()->setObjectName(QStringLiteral("mnuRecentUnits"));
    menus_.file->insertMenu(menus_.saveUnit, menus_.recentUnits);
    OnTriggered(menus_.openUnit, this, [this] { openUnit(); });
    OnTriggered(menus_.saveUnit, this, [this] { saveUnit(); });
    OnTriggered(menus_.importUnit, this, [this] { importParameters(); });
    OnTriggered(menus_.exit, this, [this] { close(); });
    menus_.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

void MainWindow::startUp() {
    const LibraryResult folders = library_.CreateFolders();
    if (!folders.done()) report(folders, {});
    refreshUnitLists();
}

void MainWindow::showFields() {
    binder_->showAll();
    rules_->applyAll();
}

void MainWindow::showConfiguration() {
    showFields();
    updateTitle();
    emit configurationChanged();
}

bool MainWindow::hasUnsavedEdits() const { return !config_.unit.id.empty() && unsaved_.present(config_); }

void MainWindow::settle() {
    unsaved_.settle(config_);
    emit savedStateChanged();
}

void MainWindow::markSaved() {
    settle();
    history_->endStep();
    const std::filesystem::path file = library_.unitsFolder() / FileSystemName(UnitFileName(config_.unit));
    emit unitFileUsed(QFile::decodeName(file.c_str()));
}

void MainWindow::restoreEdits(const UnitConfiguration& edits) {
    config_ = edits;
    showConfiguration();
    history_->clear();
    unsaved_.forget();
    emit savedStateChanged();
}

void MainWindow::endWithoutAsking() {
    closing_ = true;
    close();
}

bool MainWindow::edit(const QString& step, const std::function<bool(UnitConfiguration&)>& change) {
    return history_->edit(step, change);
}

void MainWindow::replaceConfiguration(UnitConfiguration config) {
    config_ = std::move(config);
    showConfiguration();
    history_->clear();
}

void MainWindow::refreshUnitLists() {
    const UnitLists lists = library_.RefreshUnitLists();
    SetListItems(controls_.network.units, WidgetTexts(lists.units));
    SetListItems(controls_.messageActions.destinations, WidgetTexts(lists.messageDestinations));
    SetListItems(controls_.outputFlagActions.destinations, WidgetTexts(lists.outputFlagDestinations));
    emit unitFilesChanged();
}

void MainWindow::setWindowEnabled(bool enabled) {
    windowEnabled_ = enabled;
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
    for (QAction* menu : menuBar()->actions()) menu->setEnabled(enabled);
}

int MainWindow::currentMessageText() const { return messageActions_->currentMessageText(); }

void MainWindow::updateTitle() {
    const UnitIdentity& unit = config_.unit;
    setWindowTitle(unit.id.empty() ? kNoUnitTitle
                                   : TitleText(ToWidgetText(unit.alias + " - " + unit.id)) + QLatin1String("[*]"));
    updateModifiedMark();
}

void MainWindow::updateModifiedMark() {
    // The mark compares the unit with its file, so an edit taken back by hand (or by Undo) clears it again.
    // Only a unit's title holds the mark: while a unit opens, its fields change before its title does.
    if (windowTitle().endsWith(QLatin1String("[*]"))) setWindowModified(hasUnsavedEdits());
}

void MainWindow::report(const LibraryResult& result, const std::string& title) {
    if (result.message.empty()) return;
    dialogs_.inform(DialogText(result.message), title,
                    result.done() ? MessageIcon::Exclamation : MessageIcon::Critical);
}

void MainWindow::promptSaveUnit(std::function<void()> then) {
    askToSave([then = std::move(then)](bool goOn) {
        if (goOn) then();
    });
}

void MainWindow::askToSave(std::function<void(bool goOn)> answered) {
    const LibraryOperation save = [this](Consent consent) { return library_.PromptSaveUnit(config_, consent); };
    RunAsking(dialogs_, save, [this, answered = std::move(answered)](const LibraryResult& saved) {
        report(saved, std::string(kSaveUnitTitle));
        if (saved.done()) afterSave();
        // A save the user asked for that failed stops the command: the unit stays open.
        answered(saved.status == LibraryStatus::Done || saved.status == LibraryStatus::NotDone);
    });
}

bool MainWindow::openUnitFile(const std::string& path) {
    const LibraryResult opened = library_.OpenUnit(path, config_);
    if (!opened.done()) {
        report(opened, kOpenUnitTitle);
        return false;
    }
    showConfiguration();
    history_->clear();
    settle();
    emit unitFileUsed(QFile::decodeName(path.c_str()));
    return true;
}

void MainWindow::openUnit() {
    promptSaveUnit([this] {
        const FileChoice choice{kOpenUnitTitle, "Units (*.kuf)", library_.unitsFolder().string(), {}};
        dialogs_.chooseFileToOpen(choice, [this](std::optional<std::string> path) {
            if (path) openUnitFile(*path);
        });
    });
}

void MainWindow::saveUnit() {
    const LibraryResult saved = library_.SaveUnit(config_);
    report(saved, std::string(kSaveUnitTitle));
    if (saved.done()) afterSave();
}

void MainWindow::afterSave() {
    updateTitle();
    markSaved();
    emit unitFilesChanged();
}

void MainWindow::importParameters() {
    const FileChoice choice{kParameterFileTitle, "Units (*.kpf)", library_.parameterFilesFolder().string(), {}};
    dialogs_.chooseFileToOpen(choice, [this](std::optional<std::string> path) {
        if (path) importParameterFile(*path);
    });
}

void MainWindow::importParameterFile(const std::string& path) {
    // One step of the history; a file that fails part way changes nothing.
    std::optional<FileError> error;
    edit(QStringLiteral("Import"), [&](UnitConfiguration& config) {
        error = LoadUnitFile(path, config, LoadKind::Import);
        return !error;
    });
    if (error) {
        dialogs_.inform(DialogText("Cannot import the parameters: " + error->describe() + "."), kParameterFileTitle,
                        MessageIcon::Critical);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closing_ && !config_.unit.id.empty()) {
        event->ignore();
        if (asking_) return;
        asking_ = true;
        askToSave([this](bool goOn) {
            asking_ = false;
            if (!goOn) return;
            closing_ = true;
            // The answer may come while the close that asked is still running; close again afterwards.
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        });
        return;
    }
    closing_ = true;
    // The program's other windows end with it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() && child->isVisible()) child->close();
    }
    event->accept();
    emit programEnding();
}

}  // namespace koru
