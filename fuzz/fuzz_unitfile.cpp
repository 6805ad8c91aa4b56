// Feeds arbitrary bytes to the unit-file reader, opened and imported. A failed load names its line and
// changes nothing; an import never changes the unit's identity; and whatever a load accepts survives a
// save and a load unchanged: saving, loading the saved file over the unit and saving again gives the same
// bytes, and so does exporting twice. (The load goes over the unit it was saved from, as reopening in the
// window does: a unit with no voltage range chosen writes "Voltage range=-", which every reader ignores, so
// over a new configuration it would read as the default range.)

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

// Loads `bytes` over `config`; fails the run when the load fails.
koru::UnitConfiguration Reloaded(const std::string& bytes, koru::UnitConfiguration config,
                                 koru::LoadKind kind = koru::LoadKind::Open) {
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
    Require(koru::UnitFileText(Reloaded(normalized, opened)) == normalized);

    const std::string exported = koru::ParameterFileText(opened, koru::ParameterSelection::All());
    Require(koru::ParameterFileText(Reloaded(exported, opened, koru::LoadKind::Import),
                                    koru::ParameterSelection::All()) == exported);
    return 0;
}
