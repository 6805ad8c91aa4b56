// Load and save of a full unit file (every list filled), in-process. Prints microseconds per round trip.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "model/UnitFile.h"
#include "tests/support/SampleUnits.h"

int main() {
    using Clock = std::chrono::steady_clock;
    const std::string file = koru::UnitFileText(koru::test::FullUnit());
    constexpr int kRounds = 2000;

    std::size_t checksum = 0;
    for (int warmup = 0; warmup < 100; ++warmup) {
        koru::UnitConfiguration config;
        koru::LoadUnitText(file, config);
        checksum += koru::UnitFileText(config).size();
    }
    const auto start = Clock::now();
    for (int round = 0; round < kRounds; ++round) {
        koru::UnitConfiguration config;
        if (koru::LoadUnitText(file, config)) return 1;
        checksum += koru::UnitFileText(config).size();
    }
    const double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kRounds;
    std::printf("unit file: %zu bytes, %zu lines\n", file.size(), static_cast<std::size_t>(std::count(file.begin(), file.end(), '\n')));
    std::printf("load + save round trip: %.1f us (goal: under 200 us)  [checksum %zu]\n", micros, checksum);
    return 0;
}
