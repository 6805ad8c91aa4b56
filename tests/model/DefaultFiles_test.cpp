#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/UnitFile.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

// A default file holds every setting a unit file holds, so a new unit never keeps settings of the unit
// that was open before; its identity lines hold "-" so New keeps the ID, alias and type it set.
TEST(DefaultFilesTest, EachDefaultFileIsACompleteUnitFileWithAnOpenIdentity) {
    struct Case {
        const char* file;
        VoltageRange range;
    };
    const Case cases[] = {
        {"KORU Base.kdf", VoltageRange::Base},
        {"KORU Starter-kit.kdf", VoltageRange::StarterKit},
    };
    const std::filesystem::path folder = std::filesystem::path(KORU_SOURCE_DIR) / "files" / "Default Files";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        UnitConfiguration expected;
        expected.unit = {"-", "-", "-"};
        expected.input.voltageRange = c.range;
        const std::string bytes = test::ReadBytes(folder / c.file);
        EXPECT_EQ(bytes, UnitFileText(expected));

        UnitConfiguration loaded;
        loaded.unit = {"0000000001", "Kept", "Kept type"};
        ASSERT_EQ(LoadUnitText(bytes, loaded, c.file), std::nullopt);
        EXPECT_EQ(loaded.unit, (UnitIdentity{"0000000001", "Kept", "Kept type"}));
        EXPECT_EQ(loaded.input.voltageRange, c.range);
    }
}

}  // namespace
}  // namespace koru
