#include "model/UnsavedEdits.h"

#include "model/UnitFile.h"

namespace koru {

void UnsavedEdits::settle(const UnitConfiguration& config) { settled_ = UnitFileText(config); }

void UnsavedEdits::forget() { settled_.reset(); }

bool UnsavedEdits::present(const UnitConfiguration& config) const {
    return !settled_ || *settled_ != UnitFileText(config);
}

}  // namespace koru
