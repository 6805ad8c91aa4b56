// Maps the radio network of a library of 10,000 units and lists the same library with korucfg units, side by side.

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "model/LibraryNetwork.h"
#include "model/UnitFile.h"
#include "model/UnitName.h"
#include "tests/support/Korucfg.h"
#include "tests/support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kUnitCount = 10000;
constexpr int kBranches = 8;  // lower units per unit
constexpr int kRepeats = 3;
constexpr std::chrono::milliseconds kGoal{1000};

std::string entryOf(int unit) { return koru::PadUnitId(std::to_string(unit)) + "(Unit " + std::to_string(unit) + ")"; }

// A tree of units as a real network could be: units 1 to 7 at the top, unit n below unit n / 8, each unit a
// whole unit file made from the shipped default file.
void writeLibrary(const fs::path& units) {
    koru::UnitConfiguration base;
    const fs::path defaultFile = fs::path(KORU_SOURCE_DIR) / "files" / "Default Files" / "KORU Base.kdf";
    if (koru::LoadUnitFile(defaultFile.string(), base, koru::LoadKind::Import)) std::exit(1);
    fs::create_directories(units);
    for (int unit = 1; unit <= kUnitCount; ++unit) {
        koru::UnitConfiguration config = base;
        config.unit = {koru::PadUnitId(std::to_string(unit)), "Unit " + std::to_string(unit), "KORU Base"};
        if (unit >= kBranches) {
            config.network.upperUnit = entryOf(unit / kBranches);
            config.network.upperPing = "Long ping time - " + config.network.upperUnit;
        }
        for (int lower = unit * kBranches; lower < unit * kBranches + kBranches && lower <= kUnitCount; ++lower) {
            config.network.lowerUnits.push_back(entryOf(lower));
            config.network.lowerPing.push_back("Short ping time - " + entryOf(lower));
        }
        koru::test::WriteBytes(units / (entryOf(unit) + ".kuf"), koru::UnitFileText(config));
    }
}

// The best of a few runs, in milliseconds.
double bestOf(const std::function<void()>& run) {
    double best = 1e12;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

void print(const char* what, double milliseconds, bool goal = false) {
    std::printf("%-52s %8.1f ms%s\n", what, milliseconds,
                !goal ? "" : milliseconds < kGoal.count() ? "  (goal < 1000 ms)" : "  TOO SLOW (goal < 1000 ms)");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    koru::test::TempDir library;
    const fs::path units = library / "Units";
    writeLibrary(units);
    std::uintmax_t bytes = 0;
    for (const auto& file : fs::directory_iterator(units)) bytes += file.file_size();
    std::printf("library of %d unit files, %.1f MiB, in a tree of %d lower units per unit\n", kUnitCount,
                static_cast<double>(bytes) / (1024 * 1024), kBranches);

    std::size_t mapped = 0;
    print("map in-process (LibraryNetwork::Update, first)", bestOf([&] {
              koru::LibraryNetwork network(units);
              network.Update();
              mapped = network.map().units().size() + network.map().findings().size();
          }), true);
    koru::LibraryNetwork network(units);
    network.Update();
    print("map again after one unit file changed", bestOf([&] {
              koru::test::WriteBytes(units / (entryOf(42) + ".kuf"),
                                     koru::test::ReadBytes(units / (entryOf(42) + ".kuf")) + "\r\n");
              network.Update();
          }));
    print("map again, nothing changed", bestOf([&] { network.Update(); }));

    const QStringList where{"--library", koru::test::PathArgument(library.path())};
    int networkExit = -1;
    print("korucfg network --library DIR (whole program)", bestOf([&] {
              networkExit = koru::test::RunKorucfg(QStringList{"network"} + where).exitCode;
          }), true);
    print("korucfg network --dot --library DIR", bestOf([&] {
              koru::test::RunKorucfg(QStringList{"network", "--dot"} + where);
          }));
    print("korucfg units --library DIR", bestOf([&] { koru::test::RunKorucfg(QStringList{"units"} + where); }));
    std::printf("units mapped, findings: %zu (expected %d); korucfg network exit %d (expected 0)\n", mapped,
                kUnitCount, networkExit);
    return mapped == kUnitCount && networkExit == 0 ? 0 : 1;
}
