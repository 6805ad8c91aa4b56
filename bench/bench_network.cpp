// Maps the radio network of a library of 10,000 units and lists the same library with korucfg units, side by side.

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "model/LibraryNetwork.h"
#include "tests/support/Korucfg.h"
#include "tests/support/NetworkUnits.h"
#include "tests/support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kUnitCount = 10000;
constexpr int kBranches = 8;  // lower units per unit
constexpr int kRepeats = 3;
constexpr std::chrono::milliseconds kGoal{1000};

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
    if (!koru::test::WriteUnitTree(units, kUnitCount, kBranches,
                                   fs::path(KORU_SOURCE_DIR) / "files" / "Default Files" / "KORU Base.kdf")) {
        return 1;
    }
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
              koru::test::WriteBytes(units / (koru::test::TreeUnitEntry(42) + ".kuf"),
                                     koru::test::ReadBytes(units / (koru::test::TreeUnitEntry(42) + ".kuf")) + "\r\n");
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
