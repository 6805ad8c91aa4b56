#include "model/UnsavedEdits.h"

#include "model/UnitFile.h"

namespace koru {

void UnsavedEdits::settle(const UnitConfiguration& config) {
    settled_ = config;
    isSettled_ = true;
    settledText_.reset();
}

void UnsavedEdits::forget() {
    isSettled_ = false;
    settledText_.reset();
}

bool UnsavedEdits::present(const UnitConfiguration& config) const {
    if (!isSettled_) return true;
    if (config == settled_) return false;
    if (!settledText_) settledText_ = UnitFileText(settled_);
    return *settledText_ != UnitFileText(config);
}

}  // namespace koru
