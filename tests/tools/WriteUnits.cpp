// Writes the test units to a folder as unit files: generated units of many seeds, the largest units and the
// busiest sample unit. Two builds can then be compared on the same files (scripts/compare-outputs.sh).
//
//   koru_write_units FOLDER

#include <filesystem>
#include <iostream>
#include <string>

#include "model/UnitFile.h"
#include "tests/support/GeneratedUnits.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/TestSupport.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: koru_write_units FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    const auto write = [&folder](const std::string& name, const koru::UnitConfiguration& unit) {
        koru::test::WriteBytes(folder / (name + ".kuf"), koru::UnitFileText(unit));
    };
    for (int seed = 1; seed <= 40; ++seed) write("generated-" + std::to_string(seed), koru::test::GeneratedUnit(seed));
    for (int seed = 1; seed <= 3; ++seed) write("maximal-" + std::to_string(seed), koru::test::MaximalUnit(seed));
    write("full", koru::test::FullUnit());
    return 0;
}
