#include "editor/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>

#include "editor/ChoiceBox.h"
#include "editor/DialogText.h"
#include "editor/FieldFactory.h"
#include "editor/FieldValidation.h"
#include "editor/ListItems.h"
#include "editor/SettingBinder.h"
#include "editor/TabSet.h"
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
#include "model/LibraryQuestions.h"
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

}  // namespace

MainWindow::MainWindow(UnitLibrary library, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), library_(std::move(library)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmSetUpKoru"));
    setWindowTitle(kNoUnitTitle);
    buildTabs();
    // The order matters: the binder takes every change into the model first, then the checks correct it (a
    // correction is one more change), then the rules see the checked value.
    binder_ = new SettingBinder(config_, controls_, this);
    new FieldValidation(controls_, this);
    rules_ = new WindowRules(controls_, *binder_, this);
    binder_->showAll();
    rules_->applyAll();
    buildMenus();
    startUp();
    unsaved_.settle(config_);
    connect(binder_, &SettingBinder::modelChanged, this, &MainWindow::configurationChanged);
    connect(this, &MainWindow::configurationChanged, this, &MainWindow::updateModifiedMark);
    connect(this, &MainWindow::savedStateChanged, this, &MainWindow::updateModifiedMark);

    const QSize preferred(1280, 800);
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(screen != nullptr ? preferred.boundedTo(screen->availableGeometry().size()) : preferred);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTabs() {
    tabs_ = new TabSet(this);
    setCentralWidget(tabs_);
    FieldFactory factory(controls_);
    tabs_->addPage(new OverviewPage(factory), QStringLiteral("KORU unit"));
    tabs_->addPage(new NetworkPage(factory), QStringLiteral("Network setup"));
    tabs_->addPage(new CommSetupPage(factory), QStringLiteral("Timer, counter, comm. setup"));
    tabs_->addPage(new InputSleepPage(factory), QStringLiteral("Input, sleep setup"));
    tabs_->addPage(new MessageEventsPage(factory), QStringLiteral("Messages events"));
    tabs_->addPage(new IoEventsPage(factory), QStringLiteral("I/O and sleep events"));
    tabs_->addPage(new TimerCounterCommEventsPage(factory), QStringLiteral("Timer, counter, comm. events"));
    tabs_->addPage(new RemoteEventsPage(factory), QStringLiteral("Remote control events"));
    messageActions_ = new MessageActionsPage(factory);
    tabs_->addPage(messageActions_, QStringLiteral("Message actions"));
    tabs_->addPage(new OutputFlagActionsPage(factory), QStringLiteral("Output and flag actions"));
    tabs_->addPage(new TimerCounterActionsPage(factory), QStringLiteral("Timers and counter actions"));
    tabs_->addPage(new TabPage(factory, "fraMisc", nullptr), QStringLiteral("Misc."));
}

void MainWindow::buildMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("mnuFile"));
    const auto item = [this](const char* name, const QString& caption, QKeySequence keys, auto handler) {
        QAction* action = fileMenu_->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    item("mnuOpenKoru", QStringLiteral("&Open KORU unit"), QKeySequence::Open, &MainWindow::openUnit);
    recentMenu_ = fileMenu_->addMenu(QStringLiteral("&Recent units"));
    recentMenu_->menuAction()->setObjectName(QStringLiteral("mnuRecentUnits"));
    item("mnuSaveKoru", QStringLiteral("&Save KORU unit"), QKeySequence::Save, &MainWindow::saveUnit);
    fileMenu_->addSeparator();
    item("mnuImportKoru", QStringLiteral("&Import KORU unit"), QKeySequence(), &MainWindow::importParameters);
    fileMenu_->addSeparator();
    item("mnuExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &QWidget::close);
}

void MainWindow::startUp() {
    const LibraryResult folders = library_.CreateFolders();
    if (!folders.done()) report(folders, {});
    refreshUnitLists();
}

QAction* MainWindow::menuAction(const QString& name) const { return findChild<QAction*>(name); }

QWidget* MainWindow::control(const QString& name) const {
    if (QWidget* field = controls_.find(name)) return field;
    return findChild<QWidget*>(name);  // the tab set and other containers without a field of their own
}

std::string MainWindow::fieldText(const QString& name) const {
    const QWidget* field = controls_.find(name);
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) text = edit->text();
    if (const auto* box = qobject_cast<const ChoiceBox*>(field)) text = box->value();
    if (const auto* label = qobject_cast<const QLabel*>(field)) text = label->text();
    return FromWidgetText(text).value_or(std::string());
}

void MainWindow::refreshFields(const QStringList& names) {
    for (const QString& name : names) binder_->show(name);
    emit configurationChanged();
}

void MainWindow::showConfiguration() {
    binder_->showAll();
    rules_->applyAll();
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
    const std::filesystem::path file = library_.unitsFolder() / FileSystemName(UnitFileName(config_.unit));
    emit unitFileUsed(QFile::decodeName(file.c_str()));
}

void MainWindow::restoreEdits(const UnitConfiguration& edits) {
    config_ = edits;
    showConfiguration();
    unsaved_.forget();
    emit savedStateChanged();
}

void MainWindow::endWithoutAsking() {
    closing_ = true;
    close();
}

void MainWindow::refreshUnitLists() {
    const UnitLists lists = library_.RefreshUnitLists();
    SetListItems(controls_.get<QListWidget>("lstUnitInSystem", -1), WidgetTexts(lists.units));
    SetListItems(controls_.get<QListWidget>("lstDest", -1), WidgetTexts(lists.messageDestinations));
    SetListItems(controls_.get<QListWidget>("lstDestOutputFlag", -1), WidgetTexts(lists.outputFlagDestinations));
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
    if (config_.unit.id.empty()) {
        answered(true);
        return;
    }
    dialogs_.askYesNo(std::string(kSaveUnitQuestion), std::string(kSaveUnitTitle),
                      [this, answered = std::move(answered)](bool yes) {
                          FixedAnswer answer(yes);
                          const LibraryResult saved = library_.PromptSaveUnit(config_, answer);
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
    if (const auto error = LoadUnitFile(path, config_, LoadKind::Import)) {
        dialogs_.inform(DialogText("Cannot import the parameters: " + error->describe() + "."), kParameterFileTitle,
                        MessageIcon::Critical);
        return;
    }
    binder_->showAll();
    rules_->applyAll();
    emit configurationChanged();
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
