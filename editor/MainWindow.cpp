#include "editor/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStringListModel>
#include <QTabWidget>

#include <iterator>

#include "editor/AskingOperation.h"
#include "editor/DialogText.h"
#include "editor/EditHistory.h"
#include "editor/FieldValidation.h"
#include "editor/HeldLayouts.h"
#include "editor/ListBox.h"
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
    factory_ = std::make_unique<FieldFactory>(config_);
    units_ = new QStringListModel(this);
    messageDestinations_ = new QStringListModel(this);
    outputFlagDestinations_ = new QStringListModel(this);
    factory_->shareList(controls::kUnits, units_);
    factory_->shareList(controls::kMessageDestinations, messageDestinations_);
    factory_->shareList(controls::kOutputFlagDestinations, outputFlagDestinations_);
    // The order matters: a typed value is checked before it enters the unit, and the rules see it checked.
    validation_ = new FieldValidation(this);
    binder_ = new SettingBinder(config_, this);
    rules_ = new WindowRules(controls_, config_, *binder_, this);
    binder_->showAll();
    buildTabs();
    buildMenus();
    history_ = new EditHistory(*binder_, *this);
    history_->connectMenu(menus_.undo, menus_.redo);
    startUp();
    unsaved_.settle(config_);
    connect(binder_, &SettingBinder::edited, this, &MainWindow::configurationChanged);
    connect(this, &MainWindow::configurationChanged, this, &MainWindow::updateModifiedMark);
    connect(this, &MainWindow::savedStateChanged, this, &MainWindow::updateModifiedMark);

    resize(PreferredSize());
}

MainWindow::~MainWindow() = default;

QSize MainWindow::PreferredSize() {
    // Room for the busiest tab without scrolling sideways, on a screen that has it.
    const QSize preferred(1280, 800);
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? preferred.boundedTo(screen->availableGeometry().size()) : preferred;
}

void MainWindow::buildTabs() {
    static const char* const kCaptions[] = {
        "KORU unit",        "Network setup",           "Timer, counter, comm. setup", "Input, sleep setup",
        "Messages events",  "I/O and sleep events",    "Timer, counter, comm. events", "Remote control events",
        "Message actions",  "Output and flag actions", "Timers and counter actions",  "Misc.",
    };
    tabs_ = new TabSet(this);
    setCentralWidget(tabs_);
    built_.assign(std::size(kCaptions), false);
    for (std::size_t index = 0; index < std::size(kCaptions); ++index) {
        const auto tab = static_cast<WindowTab>(index);
        tabs_->addPage(QString::fromLatin1(kCaptions[index]),
                       [this, tab](QWidget* holder) { return buildPageIn(tab, holder); });
    }
}

QWidget* MainWindow::buildPageIn(WindowTab tab, QWidget* holder) {
    QWidget* page = makePage(tab, holder);
    FieldFactory::Made made = factory_->takeMade();
    validation_->watch(made.checked);
    rules_->followPage(tab);
    binder_->addFields(made.bound);
    controls_.eventButtons.insert(controls_.eventButtons.end(), made.eventButtons.begin(), made.eventButtons.end());
    rules_->applyAll();
    built_[static_cast<std::size_t>(tab)] = true;
    readUnitLists();
    emit pageBuilt(tab);
    return page;
}

QWidget* MainWindow::makePage(WindowTab tab, QWidget* holder) {
    FieldFactory& factory = *factory_;
    // A page whose controls the editing parts work with hands them over as it is made.
    const auto keep = [](auto* page, auto& controls) {
        controls = page->controls();
        return page;
    };
    switch (tab) {
        case WindowTab::Overview: return keep(new OverviewPage(factory, holder), controls_.overview);
        case WindowTab::Network: return keep(new NetworkPage(factory, holder), controls_.network);
        case WindowTab::CommSetup: {
            auto* page = new CommSetupPage(factory, holder);
            controls_.channel = page->channel();
            controls_.frequency = page->frequency();
            return page;
        }
        case WindowTab::InputSleep: return new InputSleepPage(factory, holder);
        case WindowTab::MessageEvents: return new MessageEventsPage(factory, holder);
        case WindowTab::IoEvents: return new IoEventsPage(factory, holder);
        case WindowTab::TimerCounterCommEvents: return new TimerCounterCommEventsPage(factory, holder);
        case WindowTab::RemoteEvents: return new RemoteEventsPage(factory, holder);
        case WindowTab::MessageActions:
            messageActions_ = keep(new MessageActionsPage(factory, holder), controls_.messageActions);
            return messageActions_;
        case WindowTab::OutputFlagActions:
            return keep(new OutputFlagActionsPage(factory, holder), controls_.outputFlagActions);
        case WindowTab::TimerCounterActions: {
            auto* page = new TimerCounterActionsPage(factory, holder);
            controls_.timerActions = page->timers();
            controls_.counterActions = page->counters();
            return page;
        }
        case WindowTab::Misc: break;
    }
    return new TabPage(factory, controls::kMiscTab, holder);
}

bool MainWindow::isPageBuilt(WindowTab tab) const { return built_[static_cast<std::size_t>(tab)]; }

void MainWindow::buildPage(WindowTab tab) { tabs_->buildPage(static_cast<int>(tab)); }

void MainWindow::buildAllPages() {
    for (std::size_t index = 0; index < built_.size(); ++index) buildPage(static_cast<WindowTab>(index));
}

void MainWindow::onPage(WindowTab tab, QObject* context, std::function<void()> hook) {
    if (isPageBuilt(tab)) {
        hook();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(this, &MainWindow::pageBuilt, context, [tab, connection, hook = std::move(hook)](WindowTab built) {
        if (built != tab) return;
        QObject::disconnect(*connection);
        hook();
    });
}

void MainWindow::onEveryPage(QObject* context, std::function<void(WindowTab)> hook) {
    for (std::size_t index = 0; index < built_.size(); ++index) {
        if (built_[index]) hook(static_cast<WindowTab>(index));
    }
    connect(this, &MainWindow::pageBuilt, context, std::move(hook));
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
    // Only the page in view repaints, once, when every field shows the unit (the tabs, the menus and the
    // frame around it do not change), and the window lays out once, not once for each event row shown. Its
    // lists lay out their rows before that paint, not just after it with a paint of their own.
    QWidget* page = tabs_->pages()->currentWidget();
    if (page == nullptr) page = this;
    const bool updating = page->updatesEnabled();
    page->setUpdatesEnabled(false);
    {
        const HeldLayouts held(*this);
        binder_->showAll();
        rules_->applyAll();
    }
    for (ListBox* list : page->findChildren<ListBox*>()) {
        if (list->isVisible()) list->layOutChangedRows();
    }
    page->setUpdatesEnabled(updating);
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
    unitListsRead_ = false;
    readUnitLists();
    emit unitFilesChanged();
}

// The lists are read once a page that shows them is built: a large library costs nothing before.
void MainWindow::readUnitLists() {
    const bool shown = isPageBuilt(WindowTab::Network) || isPageBuilt(WindowTab::MessageActions) ||
                       isPageBuilt(WindowTab::OutputFlagActions);
    if (unitListsRead_ || !shown) return;
    const UnitLists lists = library_.RefreshUnitLists();
    SetTexts(*units_, WidgetTexts(lists.units));
    SetTexts(*messageDestinations_, WidgetTexts(lists.messageDestinations));
    SetTexts(*outputFlagDestinations_, WidgetTexts(lists.outputFlagDestinations));
    unitListsRead_ = true;
}

void MainWindow::setWindowEnabled(bool enabled) {
    windowEnabled_ = enabled;
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
    for (QAction* menu : menuBar()->actions()) menu->setEnabled(enabled);
}

int MainWindow::currentMessageText() const {
    return messageActions_ != nullptr ? messageActions_->currentMessageText() : 0;
}

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
    // Until its fields have shown it (which may correct a value), the unit just read has no saved state to
    // compare with.
    unsaved_.forget();
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
