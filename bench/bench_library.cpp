// Times the unit library's listing operations over a library of 10,000 unit files.

#include <chrono>
#include <cstdio>
#include <string>

#include "model/UnitLibrary.h"
#include "model/UnitName.h"
#include "tests/support/TestSupport.h"

namespace {

constexpr int kUnitCount = 10000;
constexpr int kRepeats = 5;
constexpr std::chrono::milliseconds kGoal{100};

template <typename Operation>
void timeIt(const char* name, Operation operation) {
    using Clock = std::chrono::steady_clock;
    std::chrono::duration<double, std::milli> first{};
    std::chrono::duration<double, std::milli> best{};
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        const auto start = Clock::now();
        operation();
        const std::chrono::duration<double, std::milli> took = Clock::now() - start;
        if (repeat == 0) first = best = took;
        if (took < best) best = took;
    }
    std::printf("%-40s first %7.2f ms, best of %d %7.2f ms (goal < %lld ms)%s\n", name, first.count(), kRepeats,
                best.count(), static_cast<long long>(kGoal.count()), first < kGoal ? "" : "  TOO SLOW");
}

}  // namespace

int main() {
    koru::test::TempDir dir;
    const koru::UnitLibrary library(dir.path());
    if (!library.CreateFolders().done()) return 1;
    const std::string bytes = "-Unit\r\n";
    for (int unit = 1; unit <= kUnitCount; ++unit) {
        const std::string id = koru::PadUnitId(std::to_string(unit * 3));
        koru::test::WriteBytes(library.unitsFolder() / (id + "(Unit " + std::to_string(unit) + ").kuf"), bytes);
    }
    std::printf("library of %d unit files\n", kUnitCount);

    std::size_t listed = 0;
    timeIt("RefreshUnitLists", [&] { listed = library.RefreshUnitLists().messageDestinations.size(); });
    bool found = true;
    timeIt("UnitIdExists (absent: whole folder)", [&] { found = library.UnitIdExists("0000000001"); });
    timeIt("UnitIdExists (present)", [&] { found = library.UnitIdExists("0000030000") && found; });
    std::printf("destinations listed: %zu\n", listed);
    return listed == kUnitCount + 3 ? 0 : 1;
}
