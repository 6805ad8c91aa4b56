#pragma once

// Whether the open unit holds edits its file does not: the unit file the writer would produce now differs
// from the bytes of the last open or save, as the window settled them (a load may correct a value, and the
// corrected unit is what counts as saved).

#include <optional>
#include <string>

#include "model/UnitConfiguration.h"

namespace koru {

class UnsavedEdits {
public:
    // The configuration as it stands is what its file holds (after an open, a save, a new unit).
    void settle(const UnitConfiguration& config);
    // Nothing is settled: every state counts as unsaved (edits restored from a recovery file).
    void forget();
    bool present(const UnitConfiguration& config) const;

private:
    // The settled configuration, and the unit file's bytes written from it once a changed configuration
    // has to be compared with them: an unchanged configuration writes the same bytes. The configuration is
    // kept when forgotten, so the next one is copied into its texts' room.
    UnitConfiguration settled_;
    bool isSettled_ = false;
    mutable std::optional<std::string> settledText_;
};

}  // namespace koru
