// What sending only the changed groups saves, on real time: a full send of a busy unit with korucfg to a
// simulated unit over a pseudo-terminal, then one field changed (the radio channel) and `korucfg send
// --changed`, side by side with their ratio (goal: under a tenth). Both are whole korucfg runs, start,
// history and the mandatory 0.5 s pause after every line included, as a technician waits for them. Then the
// time to compute the changed groups of the unit (read its state, plan its packets, compare; goal: under
// 5 ms), and the time the window's send dialog takes for its history line when the log holds years of
// sessions (read the whole log, find the unit's newest).
// Usage: bench_history [UNIT FILE] (default docs/samples/pumpstation.kuf).

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <cstdio>
#include <string>

#include "model/SendHistory.h"
#include "model/UnitFile.h"
#include "protocol/GroupChanges.h"
#include "protocol/LastSend.h"
#include "protocol/SendGroupTable.h"
#include "tests/support/Korucfg.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace koru;

struct TimedSend {
    double seconds = 0;
    test::ProgramRun run;
    std::size_t lines = 0;
};

TimedSend Send(const test::TempDir& library, const std::string& unit, const QStringList& options) {
    test::SimulatorProcess simulator({}, (library / "wire.bin").string());
    QElapsedTimer clock;
    clock.start();
    TimedSend sent;
    sent.run = test::RunKorucfg(QStringList{"send", "--port", simulator.device(), "--library",
                                            test::PathArgument(library.path())} +
                                options + QStringList{QString::fromStdString(unit)});
    sent.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const std::string wire = simulator.received();
    for (std::size_t at = wire.find("\r\n"); at != std::string::npos; at = wire.find("\r\n", at + 2)) ++sent.lines;
    return sent;
}

// A different channel: the unit's own plus one, within the 0 to 81 the radio takes.
void ChangeChannel(const std::string& unit) {
    std::string text = test::ReadBytes(unit);
    const std::size_t at = text.find("\r\nChannel=");
    const std::size_t end = text.find("\r\n", at + 2);
    const int channel = std::stoi(text.substr(at + 10, end - at - 10));
    text.replace(at + 10, end - at - 10, std::to_string(channel < 81 ? channel + 1 : channel - 1));
    test::WriteBytes(unit, text);
}

// The send dialog's history line with a log of `sessions` sessions to 100 units, each of every group.
double LastSendMilliseconds(const test::TempDir& library, int sessions) {
    SendHistory history(library.path());
    SendLogEntry entry{
        "2026-12-07T06:30:12+01:00", "", "Pumpstation", "/dev/ttyUSB0", {}, "Selected parameters saved in Koru",
        {}, "koru-configurator 1.3"};
    for (const SendGroupDescription& group : SendGroupTable()) {
        entry.groups.emplace_back(group.name);
        entry.outcomes.push_back({group.name, "acknowledged"});
    }
    std::string log = std::string(kSendLogHeader) + "\r\n";
    for (int session = 0; session < sessions; ++session) {
        entry.unitId = *HistoryUnitId(std::to_string(session % 100 + 1));
        log += SendLogLine(entry) + "\r\n";
    }
    test::WriteBytes(history.logFile(), log);
    constexpr int kRounds = 20;
    int found = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) found += LastSendOf(history.readLog(), "0000000042") ? 1 : 0;
    const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    return found == kRounds ? elapsed.count() / kRounds : -1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string source = argc > 1 ? argv[1] : KORU_SOURCE_DIR "/docs/samples/pumpstation.kuf";
    test::TempDir library;
    const std::string unit = (library / "unit.kuf").string();
    test::WriteBytes(unit, test::ReadBytes(source));

    const TimedSend full = Send(library, unit, {});
    ChangeChannel(unit);
    const TimedSend changed = Send(library, unit, {"--changed"});
    if (full.run.exitCode != 0 || changed.run.exitCode != 0) {
        std::fprintf(stderr, "bench_history: a send failed:\n%s\n%s\n", full.run.err.c_str(), changed.run.err.c_str());
        return 1;
    }
    std::printf("unit:                    %s\n", source.c_str());
    std::printf("full send:               %7.3f s (%zu lines)\n", full.seconds, full.lines);
    std::printf("--changed after Channel: %7.3f s (%zu lines)\n", changed.seconds, changed.lines);
    std::printf("ratio:                   %7.4f (goal: under 0.1)\n", changed.seconds / full.seconds);

    UnitConfiguration config;
    if (auto error = LoadUnitFile(unit, config)) {
        std::fprintf(stderr, "bench_history: %s\n", error->describe().c_str());
        return 1;
    }
    config.radio.channel = config.radio.channel == "1" ? "2" : "1";  // one group changed since the last send
    SendHistory history(library.path());
    const std::string unitId = HistoryUnitId(config.unit.id).value_or("");
    constexpr int kRounds = 200;
    std::size_t changedGroups = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) {
        for (const GroupChange& change : CompareWithState(config, history.readState(unitId))) {
            changedGroups += change.changed() ? 1 : 0;
        }
    }
    const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("changed groups:          %7.3f ms per computation (state read, packets planned, compared; "
                "%zu changed; goal: under 5 ms)\n",
                elapsed.count() / kRounds, changedGroups / kRounds);
    constexpr int kLoggedSessions = 20000;
    std::printf("send dialog history line: %6.3f ms with a log of %d sessions (read whole, newest found)\n",
                LastSendMilliseconds(library, kLoggedSessions), kLoggedSessions);
    return 0;
}
