#include <gtest/gtest.h>

#include <functional>

#include "model/UnsavedEdits.h"

namespace koru {
namespace {

UnitConfiguration Unit(const std::string& alias) {
    UnitConfiguration config;
    config.unit = {"0000000042", alias, "KORU Base"};
    return config;
}

// Each row settles a unit, then asks about another; the answer is what its file would say.
struct Case {
    const char* name;
    std::function<void(UnsavedEdits&)> steps;
    UnitConfiguration asked;
    bool unsaved;
};

TEST(UnsavedEdits, ComparesWithTheLastSettledUnit) {
    const UnitConfiguration pump = Unit("Pump");
    const UnitConfiguration well = Unit("Well");
    const Case cases[] = {
        {"nothing settled yet", [](UnsavedEdits&) {}, pump, true},
        {"unchanged", [&](UnsavedEdits& edits) { edits.settle(pump); }, pump, false},
        {"changed", [&](UnsavedEdits& edits) { edits.settle(pump); }, well, true},
        {"changed and asked again",
         [&](UnsavedEdits& edits) {
             edits.settle(pump);
             edits.present(well);
         },
         well, true},
        // The bytes of the first settled unit must not be compared with after a second one settles.
        {"settled again after a comparison",
         [&](UnsavedEdits& edits) {
             edits.settle(pump);
             edits.present(well);
             edits.settle(well);
         },
         pump, true},
        {"the newly settled unit",
         [&](UnsavedEdits& edits) {
             edits.settle(pump);
             edits.present(well);
             edits.settle(well);
         },
         well, false},
        {"forgotten",
         [&](UnsavedEdits& edits) {
             edits.settle(pump);
             edits.forget();
         },
         pump, true},
    };
    for (const Case& c : cases) {
        UnsavedEdits edits;
        c.steps(edits);
        EXPECT_EQ(edits.present(c.asked), c.unsaved) << c.name;
    }
}

}  // namespace
}  // namespace koru
