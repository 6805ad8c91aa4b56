#pragma once

// Parameter files (".kpf"): chosen sections of one unit, so their settings can be given to other units.
// Import is an ordinary load (LoadUnitFile) over the open configuration.

#include <optional>
#include <set>
#include <span>
#include <string>

#include "model/Sections.h"
#include "model/UnitConfiguration.h"
#include "model/UnitFile.h"

namespace koru {

// The export dialog's three frames.
enum class ExportFrame { Setup, Events, Actions };

// One section a parameter file can hold, described once: its name on korucfg's command line, its caption,
// frame and check box in the export dialog.
struct ParameterRow {
    Section section;
    const char* name;
    const char* caption;
    ExportFrame frame;
    const char* control;
    bool shown = true;  // the dialog shows its box; only "All" of its frame ticks a hidden one
};

// The rows, in the order a parameter file holds them.
std::span<const ParameterRow> ParameterRows();

// Which sections are ticked.
class ParameterSelection {
public:
    static ParameterSelection All();

    bool has(Section section) const { return sections_.count(section) != 0; }
    void set(Section section, bool on);
    // An "All" box: sets or clears every row of its frame, the hidden remote-event row included.
    void setFrame(ExportFrame frame, bool on);

    bool operator==(const ParameterSelection&) const = default;

private:
    std::set<Section> sections_;
};

// The bytes of a parameter file for the ticked rows.
std::string ParameterFileText(const UnitConfiguration& config, const ParameterSelection& selection);

// Writes the parameter file atomically.
std::optional<FileError> WriteParameterFile(const std::string& path, const UnitConfiguration& config,
                                            const ParameterSelection& selection);

}  // namespace koru
