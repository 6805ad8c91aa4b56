#include "editor/network/NetworkScanner.h"

#include <utility>

#include "model/FileNames.h"
#include "model/LibraryNetwork.h"
#include "model/UnitName.h"

namespace koru {

namespace {

namespace fs = std::filesystem;

// The scanner's side on its thread: the library's network, kept between scans.
class ScanWorker : public QObject {
public:
    explicit ScanWorker(fs::path unitsFolder) : network(std::move(unitsFolder)) {}

    LibraryNetwork network;
    bool counted = false;  // the unit files have been counted for the first scan
};

int countUnitFiles(const fs::path& folder) {
    int count = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        if (HasExtension(it->path().filename().string(), kUnitFileExtension)) ++count;
    }
    return count;
}

}  // namespace

NetworkScanner::NetworkScanner(fs::path unitsFolder, QObject* parent)
    : QObject(parent), worker_(new ScanWorker(std::move(unitsFolder))) {
    thread_.setObjectName(QStringLiteral("network map"));
    worker_->moveToThread(&thread_);
    thread_.start();
}

NetworkScanner::~NetworkScanner() {
    thread_.quit();
    thread_.wait();
    delete worker_;
}

void NetworkScanner::scan() {
    if (scanning_) {
        scanAgain_ = true;
        return;
    }
    startScan();
}

void NetworkScanner::startScan() {
    scanning_ = true;
    auto* worker = static_cast<ScanWorker*>(worker_);
    QMetaObject::invokeMethod(
        worker_,
        [this, worker] {
            if (!worker->counted) {
                worker->counted = true;
                const int files = countUnitFiles(worker->network.unitsFolder());
                QMetaObject::invokeMethod(this, [this, files] { emit reading(files); }, Qt::QueuedConnection);
            }
            std::shared_ptr<const NetworkMap> map;
            if (worker->network.Update()) map = std::make_shared<const NetworkMap>(worker->network.map());
            QMetaObject::invokeMethod(this, [this, map] { onScanned(map); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void NetworkScanner::onScanned(std::shared_ptr<const NetworkMap> map) {
    scanning_ = false;
    if (std::exchange(scanAgain_, false)) startScan();
    if (map) {
        std::shared_ptr<const NetworkMap> old = std::exchange(map_, std::move(map));
        emit mapChanged();
        // The views have let go of the old map: freeing thousands of units is work for the scanner's thread.
        QMetaObject::invokeMethod(worker_, [old = std::move(old)]() mutable { old.reset(); }, Qt::QueuedConnection);
    }
    emit scanned();
}

void NetworkScanner::fixAliases(std::vector<AliasFix> fixes) {
    fixing_ = true;
    auto* worker = static_cast<ScanWorker*>(worker_);
    QMetaObject::invokeMethod(
        worker_,
        [this, worker, fixes = std::move(fixes)] {
            AliasFixOutcome outcome = ApplyAliasFixes(worker->network.unitsFolder(), fixes);
            QMetaObject::invokeMethod(
                this,
                [this, outcome = std::move(outcome)] {
                    fixing_ = false;
                    emit aliasesFixed(outcome);
                    scan();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

}  // namespace koru
