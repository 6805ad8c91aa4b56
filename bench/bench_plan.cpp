// Plans the whole send of the busiest unit (every group, 20 lower units, 20 received and 20 sent texts,
// 112 actions, 111 event-action pairs) and prints the time per plan in microseconds.

#include <chrono>
#include <cstdio>
#include <string>

#include "protocol/SessionPlanner.h"
#include "tests/support/SampleUnits.h"

int main() {
    const koru::UnitConfiguration config = koru::test::FullUnit();
    const koru::SendSelection selection = koru::SendSelection::Of(koru::SendGroups::All());
    constexpr int kRounds = 2000;
    std::size_t bytes = 0;
    koru::PlanSession(config, selection);  // warm up
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) bytes += koru::PlanSession(config, selection).bytes.size();
    const auto elapsed = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start);
    const koru::SessionTranscript sample = koru::PlanSession(config, selection);
    std::printf("plan of the busiest unit: %.1f us per plan (%zu bytes, %zu diagnostics, verdict \"%s\")\n",
                elapsed.count() / kRounds, bytes / kRounds, sample.diagnostics.size(), sample.verdict.c_str());
    return 0;
}
