#pragma once

// How a simulated KORU unit answers the lines it receives, apart from any device or clock: each packet
// line is acknowledged with "M" n ";C" n ";" CR LF (n the number of records in the packet), the start
// and end lines stay unanswered, and the unit can be told to misbehave. The pseudo-terminal simulator
// and the tests' scripted port both answer through it.

#include <chrono>
#include <string>

namespace koru {

struct SimulatorOptions {
    int silentFrom = 0;         // no answer from this packet on (1-based; 0: never)
    int errorAt = 0;            // answer this packet with "E12;"
    int mismatchAt = 0;         // answer this packet with differing counts
    int hangUpAt = 0;           // close the line when this packet arrives
    bool splitReplies = false;  // send each answer in two chunks, the count "C" part a little later
    std::chrono::milliseconds splitGap{20};
    int lateBytes = 0;  // send the last bytes of each answer apart, after the sender's settling pause
    std::chrono::milliseconds lateGap{600};
    std::chrono::milliseconds repeatError{0};  // from the start line on, "E12;" this often until the session ends
    bool flood = false;  // from the start line on, "OK;" lines as fast as the line takes them
    std::chrono::milliseconds delay{0};  // before each answer
    bool answerStartEnd = false;         // acknowledge the start and end lines too
    std::string transcriptPath;          // every received byte is written here
};

class SimulatedUnit {
public:
    struct Answer {
        enum class Line { Ignored, Start, Packet, End } line = Line::Ignored;
        int packet = 0;       // the packet's number, for packet lines
        std::string reply;    // empty: no answer
        bool hangUp = false;  // the line is closed instead of answered
    };

    explicit SimulatedUnit(SimulatorOptions options) : options_(std::move(options)) {}

    // One line as received, without its CR LF.
    Answer onLine(const std::string& line);

    int packetsReceived() const { return packets_; }
    const SimulatorOptions& options() const { return options_; }

    // Counts the records of a packet text: each ";" that ends the text or is followed by a record
    // number and ":".
    static int CountRecords(const std::string& packet);

private:
    SimulatorOptions options_;
    int packets_ = 0;
};

}  // namespace koru
