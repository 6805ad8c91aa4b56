#include "platform/InterruptNotifier.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <iterator>

namespace koru {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile sig_atomic_t gWriteEnd = -1;

// Only async-signal-safe calls here: the number goes into the pipe, everything else happens on the loop.
void OnSignal(int number) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    if (gWriteEnd >= 0) {
        const ssize_t written = ::write(gWriteEnd, &byte, 1);
        (void)written;  // a full pipe already holds an interrupt to act on
    }
    errno = savedErrno;
}

}  // namespace

InterruptNotifier::InterruptNotifier() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    gWriteEnd = pipe_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &InterruptNotifier::onReadable);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &action, &previous_[i]);
    installed_ = true;
}

InterruptNotifier::~InterruptNotifier() {
    if (installed_) {
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    gWriteEnd = -1;
    notifier_.reset();
    for (int end : pipe_) {
        if (end >= 0) ::close(end);
    }
}

void InterruptNotifier::onReadable() {
    unsigned char byte = 0;
    while (::read(pipe_[0], &byte, 1) == 1) emit interrupted(byte);
}

}  // namespace koru
