#include "editor/network/NetworkMapCommand.h"

#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "editor/network/NetworkMapWindow.h"
#include "model/EntryRewrite.h"
#include "model/NetworkGraph.h"

namespace koru {

NetworkMapCommand::NetworkMapCommand(MainWindow& window) : QObject(&window), window_(window) {
    OnTriggered(window_.menus().networkMap, this, [this] { showMap(); });
    connect(&window_, &MainWindow::unitFilesChanged, this, [this] {
        if (map_ != nullptr) map_->refresh();
    });
    // The title changes when another unit is opened, created or saved under a new name.
    connect(&window_, &QWidget::windowTitleChanged, this, [this] {
        if (map_ != nullptr) map_->selectOpenUnit();
    });
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
    int renamed = 0;
    window_.edit(QStringLiteral("Fix old aliases"), [&](UnitConfiguration& config) {
        for (const AliasFix& fix : fixes) {
            // A save writes the open unit over every file of its ID, so each of them counts as its file.
            if (!config.unit.id.empty() && EntryIdOf(fix.unitEntry) == config.unit.id) {
                renamed += RenameNetworkEntries(config.network, fix.renames);
            }
        }
        return renamed > 0;
    });
    return renamed;
}

UserDialogs& NetworkMapCommand::dialogs() { return window_.dialogs(); }

NetworkMapCommand& AttachNetworkMap(MainWindow& window) { return *new NetworkMapCommand(window); }

}  // namespace koru
