#pragma once

// A KORU unit on a pseudo-terminal, for tests, benchmarks and `korucfg simulate`. It acknowledges each
// packet line with "M" n ";C" n ";" CR LF (n the number of records in the packet), leaves the start
// and end lines unanswered, and can be told to misbehave. POSIX only.

#include <QObject>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

class QSocketNotifier;

namespace koru {

struct SimulatorOptions {
    int silentFrom = 0;   // no answer from this packet on (1-based; 0: never)
    int errorAt = 0;      // answer this packet with "E12;"
    int mismatchAt = 0;   // answer this packet with differing counts
    int hangUpAt = 0;     // close the line when this packet arrives
    bool splitReplies = false;  // send each answer in two chunks, the count "C" part a little later
    std::chrono::milliseconds splitGap{20};
    std::chrono::milliseconds delay{0};  // before each answer
    bool answerStartEnd = false;         // acknowledge the start and end lines too
    std::string transcriptPath;          // every received byte is written here
};

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
    int packetsReceived() const { return packets_; }
    void hangUp();

    // Counts the records of a packet text: each ";" that ends the text or is followed by a record
    // number and ":".
    static int CountRecords(const std::string& packet);

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

    SimulatorOptions options_;
    int master_ = -1;
    int slave_ = -1;  // kept open so the line does not hang up while the sender reopens its end
    std::unique_ptr<QSocketNotifier> notifier_;
    std::string devicePath_;
    std::string received_;
    std::string pending_;
    std::ofstream transcript_;
    int packets_ = 0;
};

}  // namespace koru
