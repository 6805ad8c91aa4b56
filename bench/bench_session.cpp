// A full send of the busiest unit to a simulated unit over a pseudo-terminal, on real time. Prints the
// wall time, its floor (every written line is followed by the 0.5 s settling pause), their ratio, and
// the CPU time the sending side used. The unit runs as a separate `korucfg simulate` process so that
// its work is not counted.

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "protocol/SessionPlanner.h"
#include "protocol/link/LinkTimings.h"
#include "protocol/link/SendStack.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/SampleUnits.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace koru;
    QCoreApplication app(argc, argv);

    QProcess unitProcess;
    unitProcess.start(QStringLiteral(KORU_BIN_DIR "/korucfg"), {"simulate", "--once"});
    if (!unitProcess.waitForReadyRead(10000)) {
        std::fprintf(stderr, "bench_session: the simulator did not start\n");
        return 1;
    }
    const std::string device = QString::fromUtf8(unitProcess.readLine()).trimmed().toStdString();

    const UnitConfiguration config = test::FullUnit();
    const SendSelection everything = SendSelection::Of(SendGroups::All());
    const SessionTranscript plan = PlanSession(config, everything);
    std::size_t lines = 0;
    for (auto at = plan.bytes.find("\r\n"); at != std::string::npos; at = plan.bytes.find("\r\n", at + 2)) ++lines;

    test::RecordingMessageBoxes boxes;
    const std::unique_ptr<SendStack> stack = SendStack::Live(boxes, config);
    stack->link().setPort(1, device);
    SendSession& send = stack->send();

    const double cpuBefore = cpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    bool saved = false;
    QObject::connect(&send, &SendSession::ended, [&](bool result) {
        saved = result;
        QCoreApplication::quit();
    });
    QTimer::singleShot(0, [&] { send.start(everything); });
    QCoreApplication::exec();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double cpu = cpuSeconds() - cpuBefore;
    unitProcess.waitForFinished(3000);

    const double floor = static_cast<double>(lines) * std::chrono::duration<double>(timing::kSettlingPause).count();
    std::printf("lines written:   %zu\n", lines);
    std::printf("verdict:         %s\n", send.progress().status.c_str());
    std::printf("wall time:       %.3f s\n", wall);
    std::printf("floor:           %.3f s\n", floor);
    std::printf("wall / floor:    %.4f (%+.2f %%)\n", wall / floor, (wall / floor - 1.0) * 100.0);
    std::printf("sender CPU time: %.3f s (%.3f %% of wall)\n", cpu, cpu / wall * 100.0);
    return saved ? 0 : 1;
}
