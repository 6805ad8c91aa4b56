#pragma once

// Parameter files (".kpf"): chosen sections of one unit, so their settings can be given to other units.
// Import is an ordinary load (LoadUnitFile) over the open configuration.

#include <array>
#include <optional>
#include <string>

#include "model/UnitConfiguration.h"
#include "model/UnitFile.h"

namespace koru {

// The rows of the export dialog, in the order a parameter file holds them.
enum class ParameterRow {
    Network, Radio, Serial, Timer, Counter, Input,                                  // "Save setup"
    IoEvents, TimerEvents, CommEvents, CounterEvents, MessageEvents, RemoteEvents,  // "Save events"
    MessageActions, OutputFlagActions, TimerActions, CounterActions,                // "Save actions"
};
inline constexpr int kParameterRowCount = 16;

// Which rows are ticked.
struct ParameterSelection {
    std::array<bool, kParameterRowCount> rows{};

    bool has(ParameterRow row) const { return rows[static_cast<int>(row)]; }
    void set(ParameterRow row, bool on) { rows[static_cast<int>(row)] = on; }

    // The "All" boxes: each sets or clears every row of its frame (the hidden remote-event row included).
    void setAllSetup(bool on);
    void setAllEvents(bool on);
    void setAllActions(bool on);
    static ParameterSelection all();
};

// The bytes of a parameter file for the ticked rows.
std::string ParameterFileText(const UnitConfiguration& config, const ParameterSelection& selection);

// Writes the parameter file atomically.
std::optional<FileError> WriteParameterFile(const std::string& path, const UnitConfiguration& config,
                                            const ParameterSelection& selection);

}  // namespace koru
