#pragma once

// A KORU unit on a pseudo-terminal, for tests, benchmarks and `korucfg simulate`: it answers as a
// SimulatedUnit does, with the options' delays and split replies on real time. POSIX only.

#include <QObject>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

#include "protocol/link/SimulatedUnit.h"

class QSocketNotifier;
class QTimer;

namespace koru {

class UnitSimulator : public QObject {
    Q_OBJECT

public:
    explicit UnitSimulator(SimulatorOptions options = {});
    ~UnitSimulator() override;

    // Opens the pseudo-terminal; false with a reason when that fails.
    bool open(std::string& error);
    // The device the sender opens.
    const std::string& devicePath() const { return devicePath_; }
    // Every byte received so far.
    const std::string& received() const { return received_; }
    int packetsReceived() const { return unit_.packetsReceived(); }
    void hangUp();

signals:
    void startReceived();
    void packetReceived(int number);
    void sessionEnded();  // the end or the abort line arrived
    void hungUp();

private:
    void onReadable();
    void onLine(const std::string& line);
    void answer(const std::string& reply);
    void writeBytes(const std::string& bytes);
    // The unsolicited lines of a misbehaving unit, from the start line to the end of the session.
    void startUnsolicited();
    void stopUnsolicited();

    SimulatorOptions options_;
    SimulatedUnit unit_;
    int master_ = -1;
    int slave_ = -1;  // kept open so the line does not hang up while the sender reopens its end
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QTimer> repeatTimer_;
    std::unique_ptr<QSocketNotifier> flood_;  // the line can take more
    std::string devicePath_;
    std::string received_;
    std::string pending_;
    std::ofstream transcript_;
};

}  // namespace koru
