#include "model/NetworkOperations.h"

#include "model/ActionEntries.h"

namespace koru {

namespace {

bool IsPositionIn(int position, const TextList& list) {
    return position >= 0 && position < static_cast<int>(list.size());
}

}  // namespace

std::string PingEntry(std::string_view choice, std::string_view unitEntry) {
    std::string entry(choice);
    entry += " - ";
    entry += unitEntry;
    return entry;
}

bool SelectUpperUnit(NetworkSetup& network, std::string_view unitEntry) {
    if (unitEntry.empty()) return false;
    network.upperUnit = std::string(unitEntry);
    network.upperPing = PingEntry(kLongPing, unitEntry);
    return true;
}

void ClearUpperUnit(NetworkSetup& network) {
    network.upperUnit.clear();
    network.upperPing.clear();
}

bool AddLowerUnit(NetworkSetup& network, std::string_view unitEntry) {
    if (unitEntry.empty() || ListContains(unitEntry, network.lowerUnits)) return false;
    const std::size_t position = network.lowerUnits.size();
    while (network.lowerPing.size() < position) {
        network.lowerPing.push_back(PingEntry(kNoPing, network.lowerUnits[network.lowerPing.size()]));
    }
    network.lowerUnits.emplace_back(unitEntry);
    network.lowerPing.insert(network.lowerPing.begin() + static_cast<std::ptrdiff_t>(position),
                             PingEntry(kShortPing, unitEntry));
    return true;
}

bool RemoveLowerUnit(NetworkSetup& network, int position) {
    if (!IsPositionIn(position, network.lowerUnits)) return false;
    RemoveEntryAt(network.lowerPing, position);
    RemoveEntryAt(network.lowerUnits, position);
    return true;
}

bool ChangeUpperPing(NetworkSetup& network, std::string_view choice) {
    if (network.upperUnit.empty()) return false;
    network.upperPing = PingEntry(choice, network.upperUnit);
    return true;
}

bool ChangeLowerPing(NetworkSetup& network, int pingPosition, std::string_view choice) {
    if (!IsPositionIn(pingPosition, network.lowerPing) || !IsPositionIn(pingPosition, network.lowerUnits)) {
        return false;
    }
    network.lowerPing[pingPosition] = PingEntry(choice, network.lowerUnits[pingPosition]);
    return true;
}

}  // namespace koru
