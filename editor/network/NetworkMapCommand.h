#pragma once

// The network map's one hook into the main window: "View" > "Network map" (Ctrl+M) after "File", the window's
// saves, New and Delete passed on to the map, its open unit selected in the map, and what the map asks of the
// window (NetworkMapHost) answered with the window's own functions.

#include <QObject>
#include <QPointer>

#include "editor/network/NetworkMapHost.h"

namespace koru {

class MainWindow;
class NetworkMapWindow;

class NetworkMapCommand : public QObject, public NetworkMapHost {
    Q_OBJECT

public:
    explicit NetworkMapCommand(MainWindow& window);

    // The menu item: makes the map window the first time, then shows it in front.
    void showMap();
    // Null until the map was first shown.
    NetworkMapWindow* mapWindow() const;

    UnitIdentity openUnit() const override;
    void openUnitFile(const std::filesystem::path& file) override;
    int renameOpenUnitEntries(const std::vector<AliasFix>& fixes) override;
    UserDialogs& dialogs() override;

private:
    MainWindow& window_;
    QPointer<NetworkMapWindow> map_;
};

// Adds the network map to the window; the command lives as long as the window.
NetworkMapCommand& AttachNetworkMap(MainWindow& window);

}  // namespace koru
