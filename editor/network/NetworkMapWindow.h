#pragma once

// "Network map" (frmNetworkMap): the radio network of the library at a glance. A tree of the units under their
// upper units, each unit with a finding marked (problems apart from warnings, the findings as its tooltip), and
// below it every finding; selecting a finding selects its unit. A double-click on a unit, or Enter, opens it in
// the main window after the save question. "Fix old aliases..." lists the entries it will rewrite and asks first.
//
// The map is read on a thread of its own (NetworkScanner): the window shows "Reading N units..." meanwhile and
// stays usable. It follows the library while it shows: when the main window saves, creates or deletes a unit
// (refresh()), when another program changes the units folder (a file system watch on the folder), and each time
// the window is activated (which also catches a unit file rewritten in place, which a folder watch does not see).
// Each time only the files that changed are read again.

#include <QWidget>

#include <filesystem>
#include <string>
#include <vector>

#include "model/AliasFixes.h"

class QFileSystemWatcher;
class QLabel;
class QListView;
class QModelIndex;
class QPushButton;
class QTimer;
class QTreeView;

namespace koru {

class FindingListModel;
class NetworkMapHost;
class NetworkScanner;
class NetworkTreeModel;

class NetworkMapWindow : public QWidget {
    Q_OBJECT

public:
    NetworkMapWindow(NetworkMapHost& host, std::filesystem::path unitsFolder, QWidget* parent);
    ~NetworkMapWindow() override;

    // Shows the window in front and reads the library again.
    void showMap();
    // The library changed: read it again while the window shows (a hidden window reads it when shown).
    void refresh();
    // Selects the unit open in the main window, when the map holds it.
    void selectOpenUnit();

    // A scan or an alias fix is under way.
    bool busy() const;

signals:
    // A map read anew is on the screen.
    void mapShown();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void connectParts();
    void watchFolder();
    void showNewMap();
    void showStatus();
    void selectUnit(int unit);
    void openUnitAt(const QModelIndex& index);
    void fixAliases();
    void startFix(const std::vector<AliasFix>& fixes);
    void reportFix(const AliasFixOutcome& outcome);

    NetworkMapHost& host_;
    std::filesystem::path unitsFolder_;
    NetworkScanner* scanner_;
    NetworkTreeModel* treeModel_;
    FindingListModel* findingModel_;
    QTreeView* tree_ = nullptr;
    QListView* findings_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* fixButton_ = nullptr;
    QFileSystemWatcher* watcher_;
    QTimer* settle_;  // a save changes the folder twice (a temporary file, then the rename): one scan for both
    int unitFiles_ = -1;           // counted for the first scan
    std::string selectedFile_;     // the file of the unit selected in the tree, kept across maps
    std::string lastFix_;          // what the last alias fix did, UTF-8
    std::string openUnitRenamed_;  // said after the fix when the open unit's entries were renamed too
};

}  // namespace koru
