// Feeds arbitrary bytes to the unit-file reader, opened and imported. A failed load names its line and
// changes nothing; an import never changes the unit's identity; and whatever a load accepts survives a
// save and a load unchanged: normalizing twice gives the same bytes, and so does exporting twice. (The
// configuration itself may differ in what no file holds, such as the user voltage range's texts while
// another range is chosen.)

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/ParameterFile.h"
#include "model/UnitFile.h"

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

// Loads `bytes` over a new configuration; fails the run when the load fails.
koru::UnitConfiguration Reloaded(const std::string& bytes, koru::LoadKind kind = koru::LoadKind::Open) {
    koru::UnitConfiguration config;
    Require(!koru::LoadUnitText(bytes, config, "written.kuf", kind));
    return config;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    koru::UnitConfiguration opened;
    opened.unit.alias = "before";
    const koru::UnitConfiguration before = opened;
    if (const auto error = koru::LoadUnitText(bytes, opened, "fuzz.kuf")) {
        Require(opened == before && error->line > 0 && !error->reason.empty());
        return 0;
    }

    koru::UnitConfiguration imported = before;
    Require(!koru::LoadUnitText(bytes, imported, "fuzz.kpf", koru::LoadKind::Import));
    Require(imported.unit == before.unit);

    const std::string normalized = koru::UnitFileText(opened);
    Require(koru::UnitFileText(Reloaded(normalized)) == normalized);

    const std::string exported = koru::ParameterFileText(opened, koru::ParameterSelection::all());
    Require(koru::ParameterFileText(Reloaded(exported, koru::LoadKind::Import), koru::ParameterSelection::all()) ==
            exported);
    return 0;
}
