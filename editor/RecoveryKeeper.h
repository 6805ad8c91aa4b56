#pragma once

// Keeps the window's unsaved edits in a recovery file of the library (model/RecoveryFile.h) while the user
// works: written a short while after a change (at most `interval` later, however long the typing goes on),
// so a crash or kill -9 loses at most that; removed once the edits are saved or thrown away, or the program
// ends cleanly. At start it offers the edits a window left behind, newest first: restore them into the
// window (nothing is written to the unit file) or throw them away.

#include <QObject>
#include <QTimer>

#include <chrono>
#include <string>
#include <vector>

#include "model/LeftEdits.h"
#include "model/RecoveryFile.h"

namespace koru {

class MainWindow;

class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kInterval{2000};

    explicit RecoveryKeeper(MainWindow& window, std::chrono::milliseconds interval = kInterval);

    // Asks about the edits that windows which are gone left behind, one window-modal question at a time.
    void offerLeftEdits();
    // The program ends without asking (a signal): the edits are written now and kept for the next start.
    void keepForNextStart();

    const RecoveryFile& file() const { return file_; }

private:
    void update();
    void offerNext();

    MainWindow& window_;
    RecoveryFile file_;
    QTimer timer_;
    std::string written_;  // the unit file text last written
    std::vector<LeftEdits> left_;
    bool keeping_ = false;
    bool warned_ = false;
};

}  // namespace koru
