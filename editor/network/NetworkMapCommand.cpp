#include "editor/network/NetworkMapCommand.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "editor/MainWindow.h"
#include "editor/network/NetworkMapWindow.h"
#include "model/EntryRewrite.h"
#include "model/NetworkGraph.h"

namespace koru {

NetworkMapCommand::NetworkMapCommand(MainWindow& window) : QObject(&window), window_(window) {
    addMenu();
    connect(&window_, &MainWindow::unitFilesChanged, this, [this] {
        if (map_ != nullptr) map_->refresh();
    });
    // The title changes when another unit is opened, created or saved under a new name.
    connect(&window_, &QWidget::windowTitleChanged, this, [this] {
        if (map_ != nullptr) map_->selectOpenUnit();
    });
}

// "&View" stands right after "&File", whatever the other parts added before or add later.
void NetworkMapCommand::addMenu() {
    auto* menu = new QMenu(QStringLiteral("&View"), &window_);
    menu->setObjectName(QStringLiteral("mnuView"));
    QAction* item = menu->addAction(QStringLiteral("&Network map"));
    item->setObjectName(QStringLiteral("mnuNetworkMap"));
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(item, &QAction::triggered, this, &NetworkMapCommand::showMap);
    const QList<QAction*> menus = window_.menuBar()->actions();
    const qsizetype file = menus.indexOf(window_.fileMenu()->menuAction());
    window_.menuBar()->insertMenu(menus.value(file + 1, nullptr), menu);
}

void NetworkMapCommand::showMap() {
    if (map_ == nullptr) map_ = new NetworkMapWindow(*this, window_.library().unitsFolder(), &window_);
    map_->showMap();
}

NetworkMapWindow* NetworkMapCommand::mapWindow() const { return map_; }

UnitIdentity NetworkMapCommand::openUnit() const { return window_.configuration().unit; }

void NetworkMapCommand::openUnitFile(const std::filesystem::path& file) {
    MainWindow& window = window_;
    window.promptSaveUnit([&window, file] { window.openUnitFile(file.string()); });
}

int NetworkMapCommand::renameOpenUnitEntries(const std::vector<AliasFix>& fixes) {
    UnitConfiguration& config = window_.configuration();
    int renamed = 0;
    for (const AliasFix& fix : fixes) {
        // A save writes the open unit over every file of its ID, so each of them counts as its file.
        if (!config.unit.id.empty() && EntryIdOf(fix.unitEntry) == config.unit.id) {
            renamed += RenameNetworkEntries(config.network, fix.renames);
        }
    }
    if (renamed > 0) {
        window_.refreshFields({"lblSelectedMaster", "lblUpperPingTime", "lstSlaveUnits", "lstLowerPingTimes"});
    }
    return renamed;
}

UserDialogs& NetworkMapCommand::dialogs() { return window_.dialogs(); }

NetworkMapCommand& AttachNetworkMap(MainWindow& window) { return *new NetworkMapCommand(window); }

}  // namespace koru
