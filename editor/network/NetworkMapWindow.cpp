#include "editor/network/NetworkMapWindow.h"

#include <QEvent>
#include <QFile>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

#include "editor/DialogText.h"
#include "editor/network/AliasFixDialog.h"
#include "editor/network/FindingListModel.h"
#include "editor/network/NetworkMapHost.h"
#include "editor/network/NetworkScanner.h"
#include "editor/network/NetworkTreeModel.h"
#include "model/NetworkTexts.h"
#include "model/Windows1252.h"
#include "platform/UserDialogs.h"

namespace koru {

namespace {

const char* const kFixTitle = "Fix old aliases";
constexpr std::chrono::milliseconds kSettleTime{200};

QLabel* labelFor(QWidget* field, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    return label;
}

bool hasOldAliases(const NetworkMap& map) {
    return std::any_of(map.findings().begin(), map.findings().end(), [](const NetworkFinding& finding) {
        return finding.kind == NetworkFindingKind::OldAlias;
    });
}

}  // namespace

NetworkMapWindow::NetworkMapWindow(NetworkMapHost& host, std::filesystem::path unitsFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      unitsFolder_(std::move(unitsFolder)),
      scanner_(new NetworkScanner(unitsFolder_, this)),
      treeModel_(new NetworkTreeModel(this)),
      findingModel_(new FindingListModel(this)),
      watcher_(new QFileSystemWatcher(this)),
      settle_(new QTimer(this)) {
    setObjectName(QStringLiteral("frmNetworkMap"));
    setWindowTitle(QStringLiteral("Network map"));
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleTime);
    buildLayout();
    connectParts();
    resize(900, 720);  // most findings read whole on one line
}

NetworkMapWindow::~NetworkMapWindow() = default;

void NetworkMapWindow::buildLayout() {
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("treNetwork"));
    tree_->setAccessibleName(QStringLiteral("Network of the library"));
    tree_->setModel(treeModel_);
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);  // rows are laid out only as they scroll into view
    tree_->setExpandsOnDoubleClick(false);  // a double-click opens the unit
    tree_->installEventFilter(this);

    findings_ = new QListView(this);
    findings_->setObjectName(QStringLiteral("lstFindings"));
    findings_->setAccessibleName(QStringLiteral("Problems and warnings"));
    findings_->setModel(findingModel_);
    // A finding reads whole: a long one wraps instead of ending in "...".
    findings_->setWordWrap(true);
    findings_->setResizeMode(QListView::Adjust);
    findings_->setLayoutMode(QListView::Batched);  // thousands of findings are laid out a batch at a time

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblNetworkStatus"));
    fixButton_ = new QPushButton(QStringLiteral("&Fix old aliases..."), this);
    fixButton_->setObjectName(QStringLiteral("cmdFixAliases"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);  // Escape, as in a dialog

    auto* top = new QWidget(this);
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(labelFor(tree_, QStringLiteral("&Network (double-click or Enter opens a unit)"), top));
    topLayout->addWidget(tree_);
    auto* bottom = new QWidget(this);
    auto* bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->addWidget(labelFor(findings_, QStringLiteral("&Problems and warnings"), bottom));
    bottomLayout->addWidget(findings_);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(top);
    splitter->addWidget(bottom);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(fixButton_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    showStatus();
}

void NetworkMapWindow::connectParts() {
    connect(scanner_, &NetworkScanner::reading, this, [this](int unitFiles) {
        unitFiles_ = unitFiles;
        showStatus();
    });
    connect(scanner_, &NetworkScanner::mapChanged, this, &NetworkMapWindow::showNewMap);
    connect(scanner_, &NetworkScanner::scanned, this, [this] {
        watchFolder();
        showStatus();
    });
    connect(scanner_, &NetworkScanner::aliasesFixed, this, &NetworkMapWindow::reportFix);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(settle_, &QTimer::timeout, this, &NetworkMapWindow::refresh);
    connect(tree_, &QTreeView::doubleClicked, this, &NetworkMapWindow::openUnitAt);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        const int unit = NetworkTreeModel::unitAt(current);
        if (unit >= 0) selectedFile_ = treeModel_->map()->units()[static_cast<std::size_t>(unit)].fileName;
    });
    connect(findings_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        selectUnit(current.data(FindingListModel::kUnitRole).toInt());
    });
    connect(fixButton_, &QPushButton::clicked, this, &NetworkMapWindow::fixAliases);
}

// The folder may not exist yet when the window opens, and a folder that was removed and made again is a new one.
void NetworkMapWindow::watchFolder() {
    if (!watcher_->directories().isEmpty() || !std::filesystem::is_directory(unitsFolder_)) return;
    watcher_->addPath(QFile::decodeName(unitsFolder_.c_str()));
}

void NetworkMapWindow::showMap() {
    show();
    raise();
    activateWindow();
    scanner_->scan();
}

void NetworkMapWindow::refresh() {
    if (isVisible()) scanner_->scan();
}

bool NetworkMapWindow::busy() const { return scanner_->busy(); }

void NetworkMapWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !scanner_->busy()) scanner_->scan();
}

bool NetworkMapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tree_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && plain) {
            openUnitAt(tree_->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NetworkMapWindow::showNewMap() {
    const std::shared_ptr<const NetworkMap> map = scanner_->map();
    const std::string selected = selectedFile_;
    treeModel_->setMap(map);
    findingModel_->setMap(map);
    tree_->expandAll();
    selectedFile_.clear();
    if (const std::optional<int> unit = map->unitOfFile(selected)) {
        selectUnit(*unit);
    } else {
        selectOpenUnit();
    }
    showStatus();
    emit mapShown();
}

void NetworkMapWindow::showStatus() {
    const std::shared_ptr<const NetworkMap> map = scanner_->map();
    // A fix may be asked for while a scan runs: it reads every file afresh anyway.
    fixButton_->setEnabled(map && !scanner_->fixing() && hasOldAliases(*map));
    if (!map) {
        status_->setText(unitFiles_ < 0 ? QStringLiteral("Reading the units...")
                                        : QString::fromStdString("Reading " + Counted(static_cast<std::size_t>(unitFiles_),
                                                                                       "unit", "units") + "..."));
        return;
    }
    std::string text = NetworkSummary(*map);
    if (!lastFix_.empty()) text += ". " + lastFix_;
    status_->setText(QString::fromStdString(text));
}

void NetworkMapWindow::selectUnit(int unit) {
    const QModelIndex index = treeModel_->indexOfUnit(unit);
    if (!index.isValid()) return;
    tree_->scrollTo(index);
    tree_->setCurrentIndex(index);
}

void NetworkMapWindow::selectOpenUnit() {
    const NetworkMap* map = treeModel_->map();
    const UnitIdentity open = host_.openUnit();
    if (map == nullptr || open.id.empty()) return;
    if (const std::optional<int> unit = map->unitOfEntry(open.id + "(" + open.alias + ")")) selectUnit(*unit);
}

void NetworkMapWindow::openUnitAt(const QModelIndex& index) {
    const int unit = NetworkTreeModel::unitAt(index);
    if (unit < 0) return;
    host_.openUnitFile(treeModel_->map()->units()[static_cast<std::size_t>(unit)].path);
}

void NetworkMapWindow::fixAliases() {
    const std::shared_ptr<const NetworkMap> map = scanner_->map();
    if (!map || scanner_->fixing()) return;
    const std::vector<AliasFix> fixes = PlanAliasFixes(*map);
    if (fixes.empty()) return;
    auto* dialog = new AliasFixDialog(fixes, this);
    connect(dialog, &QDialog::finished, this, [this, fixes](int result) {
        if (result == QDialog::Accepted) startFix(fixes);
    });
    dialog->open();
}

// The open unit takes the new entries before the files are rewritten, so no save of the main window, not even
// one made while the fix runs, can write its old entries back over the fix.
void NetworkMapWindow::startFix(const std::vector<AliasFix>& fixes) {
    if (scanner_->fixing()) return;
    const UnitIdentity open = host_.openUnit();
    const int renamed = host_.renameOpenUnitEntries(fixes);
    openUnitRenamed_.clear();
    if (renamed > 0) {
        openUnitRenamed_ = "The unit open in the window, " + TextForMessage(open.id + "(" + open.alias + ")") + ", shows its " +
                           Counted(static_cast<std::size_t>(renamed), "new entry", "new entries") + " as well.";
    }
    scanner_->fixAliases(fixes);
    showStatus();
}

void NetworkMapWindow::reportFix(const AliasFixOutcome& outcome) {
    lastFix_ = AliasFixSummary(outcome);
    std::string text = lastFix_;
    for (const std::string& failure : outcome.failures) text += "\n" + failure;
    if (!openUnitRenamed_.empty()) text += "\n" + openUnitRenamed_;
    host_.dialogs().inform(DialogText(text), kFixTitle,
                           outcome.failures.empty() ? MessageIcon::Information : MessageIcon::Exclamation);
    showStatus();
}

}  // namespace koru
