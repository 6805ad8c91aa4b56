#pragma once

// Ctrl+C (SIGINT), SIGTERM (a logout, a shutdown) and SIGHUP (a closed terminal) as a Qt signal on the
// event loop, for korucfg and the window alike. The signal handler only writes the signal's number into a
// pipe; a socket notifier reads it on the loop, where a send can be aborted properly and the program end
// as it should. POSIX only.

#include <QObject>

#include <csignal>
#include <memory>

class QSocketNotifier;

namespace koru {

class InterruptNotifier : public QObject {
    Q_OBJECT

public:
    InterruptNotifier();            // installs the handlers
    ~InterruptNotifier() override;  // puts the previous handlers back

    InterruptNotifier(const InterruptNotifier&) = delete;
    InterruptNotifier& operator=(const InterruptNotifier&) = delete;

signals:
    void interrupted(int signalNumber);

private:
    void onReadable();

    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_[3]{};  // one for each signal handled
    bool installed_ = false;
};

}  // namespace koru
