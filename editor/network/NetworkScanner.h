#pragma once

// Reads the network map of a units folder on a thread of its own, so a library of thousands of units never holds
// up the window. One LibraryNetwork lives on that thread for as long as the scanner: the first scan reads every
// unit file, later ones only the files that changed. Requests are queued on the thread in the order they come;
// a scan asked for while one is under way runs once more after it, never twice.

#include <QObject>
#include <QThread>

#include <filesystem>
#include <memory>
#include <vector>

#include "model/AliasFixes.h"
#include "model/NetworkMap.h"

namespace koru {

class NetworkScanner : public QObject {
    Q_OBJECT

public:
    explicit NetworkScanner(std::filesystem::path unitsFolder, QObject* parent = nullptr);
    // Waits for the request under way (a scan of 10,000 units takes about a third of a second), then ends the thread.
    ~NetworkScanner() override;

    // Looks at the folder again.
    void scan();
    // Rewrites the entries with old aliases (ApplyAliasFixes, under the folder's lock), then scans.
    void fixAliases(std::vector<AliasFix> fixes);

    // A scan or a fix is under way.
    bool busy() const { return scanning_ || fixing_; }
    bool fixing() const { return fixing_; }
    // A map has been read at least once.
    bool hasMap() const { return map_ != nullptr; }
    std::shared_ptr<const NetworkMap> map() const { return map_; }

signals:
    // The first scan began, over this many unit files.
    void reading(int unitFiles);
    // A scan ended with a map that differs from the last one.
    void mapChanged();
    // A scan ended, whether or not anything changed.
    void scanned();
    void aliasesFixed(const AliasFixOutcome& outcome);

private:
    void startScan();
    void onScanned(std::shared_ptr<const NetworkMap> map);

    QThread thread_;
    QObject* worker_;  // lives on thread_
    std::shared_ptr<const NetworkMap> map_;
    bool scanning_ = false;
    bool scanAgain_ = false;
    bool fixing_ = false;
};

}  // namespace koru
