#pragma once

// `korucfg simulate --once` in its own process, so that a program under test that runs its own event loop
// (korucfg send, the window) can talk to it over a real pseudo-terminal.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>

namespace koru::test {

class SimulatorProcess {
public:
    // `transcript` receives every byte the unit reads.
    SimulatorProcess(const QStringList& options, const std::string& transcript);
    ~SimulatorProcess();

    const QString& device() const { return device_; }
    // Everything the unit received, once it has seen the session's end or abort line.
    std::string received();
    // Everything the unit received so far.
    std::string receivedSoFar() const;

private:
    QProcess process_;
    std::string transcript_;
    QString device_;
};

}  // namespace koru::test
