// Feeds arbitrary bytes to the unit-file reader. Whatever it accepts must write out and read back without
// failing, and a failed load must leave the configuration untouched.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/ParameterFile.h"
#include "model/UnitFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    koru::UnitConfiguration config;
    config.unit.alias = "before";
    const koru::UnitConfiguration before = config;
    if (const auto error = koru::LoadUnitText(bytes, config, "fuzz.kuf")) {
        if (!(config == before) || error->line <= 0) std::abort();
        return 0;
    }
    const std::string written = koru::UnitFileText(config);
    koru::UnitConfiguration reread;
    if (koru::LoadUnitText(written, reread)) std::abort();
    if (koru::UnitFileText(reread).size() == 0) std::abort();
    koru::ParameterFileText(config, koru::ParameterSelection::all());
    return 0;
}
