#pragma once

// Unit files of a test network: the Unit and Network sections of each unit, written the way a save writes them,
// so a test states only the links.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace koru::test {

// "0000000007(Pump)".
std::string Entry(int id, const std::string& alias);

struct NetworkUnit {
    NetworkUnit(int unitId, std::string unitAlias, std::string upperEntry = {}, std::vector<std::string> lowerEntries = {},
                std::optional<std::string> upperPingEntry = std::nullopt,
                std::optional<std::vector<std::string>> lowerPingEntries = std::nullopt)
        : id(unitId), alias(std::move(unitAlias)), upper(std::move(upperEntry)), lowers(std::move(lowerEntries)),
          upperPing(std::move(upperPingEntry)), lowerPings(std::move(lowerPingEntries)) {}

    int id = 0;
    std::string alias;
    std::string upper;                // an entry, or empty
    std::vector<std::string> lowers;  // entries
    // The ping entries; by default "Long ping time - " and the upper unit, "Short ping time - " and each lower one.
    std::optional<std::string> upperPing;
    std::optional<std::vector<std::string>> lowerPings;

    std::string entry() const { return Entry(id, alias); }
    std::string fileName() const { return entry() + ".kuf"; }
    // "-Unit", "-Network" and "-Radio", CR LF line ends.
    std::string fileText() const;
};

// Writes each unit's file into `unitsFolder`, which is made when missing.
void WriteNetworkUnits(const std::filesystem::path& unitsFolder, const std::vector<NetworkUnit>& units);

// "0000000042(Unit 42)": the entry of a unit of WriteUnitTree.
std::string TreeUnitEntry(int unit);

// A library as large as a real network could be, for the benchmarks: units 1 to `count`, units 1 to `branches` - 1
// at the top and unit n below unit n / `branches`, each a whole unit file made from `defaultFile` with its upper
// unit, lower units and ping entries in step. False when the default file cannot be read.
bool WriteUnitTree(const std::filesystem::path& unitsFolder, int count, int branches,
                   const std::filesystem::path& defaultFile);

}  // namespace koru::test
