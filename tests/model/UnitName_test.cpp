#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/FileNames.h"
#include "model/UnitName.h"

namespace koru {
namespace {

TEST(UnitNameTest, PaddedIdsAndWhichOnesAUnitCanHave) {
    struct Case {
        std::string typed;
        std::string padded;
        bool usable;
    };
    const Case cases[] = {
        {"12", "0000000012", true},
        {"  42 ", "0000000042", true},  // blanks around are dropped
        {"4294967295", "4294967295", true},   // the highest 32-bit unit number
        {"4294967296", "4294967296", false},  // one above
        {"4x2", "00000004x2", false},
        {"000000012.5", "000000012.5", false},  // reads as a number, still not digits
        {"-12", "0000000-12", false},
        {"12345678901", "12345678901", false},
        {"   ", "0000000000", false},  // empty pads to zeros but is refused
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.typed + "\"");
        EXPECT_EQ(PadUnitId(c.typed), c.padded);
        EXPECT_EQ(!UnitIdProblem(c.typed).has_value(), c.usable);
    }
}

TEST(UnitNameTest, AliasesThatCannotMakeASafeFileNameAreRefused) {
    const std::string unsafe = "cannot be used in a file name: it holds ";
    struct Case {
        std::string alias;
        std::optional<std::string> problem;
    };
    const Case cases[] = {
        {"St. Olav", std::nullopt},
        {"", std::nullopt},
        {"P\xE5 taket", std::nullopt},  // eight-bit letter
        {"a/b", "The alias \"a/b\" " + unsafe + "\"/\", which separates folders."},
        {"..\\x", "The alias \"..\\x\" " + unsafe + "\"\\\", which separates folders."},
        {"a\r\nb", "The alias \"a??b\" " + unsafe + "a control character."},
        {std::string("a\0b", 3), "The alias \"a?b\" " + unsafe + "a control character."},
        {"North,South",
         "The alias \"North,South\" cannot hold \",\", which would split the unit's entry in every list that names "
         "it."},
        {"-", "The alias \"-\" cannot be used, because a unit file reads it as no alias."},
#ifdef _WIN32
        {"why?", "The alias \"why?\" " + unsafe + "\"?\", which the file system refuses in a file name."},
#else
        {"a:b", std::nullopt},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alias);
        EXPECT_EQ(AliasProblem(c.alias), c.problem);
    }
}

TEST(UnitNameTest, EntriesAndIdsOfUnitFileNames) {
    struct Case {
        std::string fileName;
        std::string entry;
        std::optional<std::string> id;
    };
    const Case cases[] = {
        {"0000000012(St. Olav).kuf", "0000000012(St. Olav)", "0000000012"},  // not cut at the first "."
        {"0000000007(a.kuf).kuf", "0000000007(a.kuf)", "0000000007"},
        {"notes.kuf", "notes", std::nullopt},
        {"(x).kuf", "(x)", ""},
        {"0000000003(a(b)).kuf", "0000000003(a(b))", "0000000003"},
        {"0000000012(Pump)", "0000000012(Pump)", "0000000012"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        EXPECT_EQ(UnitEntryOf(c.fileName), c.entry);
        const auto id = UnitIdOfName(c.fileName);
        EXPECT_EQ(id ? std::optional<std::string>(std::string(*id)) : std::nullopt, c.id);
    }
    EXPECT_EQ(UnitFileName(UnitIdentity{"0000000012", "St. Olav", "KORU Base"}), "0000000012(St. Olav).kuf");
}

TEST(UnitNameTest, FileNamesCompareAsTheFileSystemDoes) {
#if defined(_WIN32) || defined(__APPLE__)
    constexpr bool kIgnoreCase = true;
#else
    constexpr bool kIgnoreCase = false;
#endif
    EXPECT_TRUE(FileNamesEqual("0000000012(Pump).kuf", "0000000012(Pump).kuf"));
    EXPECT_FALSE(FileNamesEqual("0000000012(Pump).kuf", "0000000012(Pumq).kuf"));
    EXPECT_EQ(FileNamesEqual("0000000012(Pump).kuf", "0000000012(PUMP).KUF"), kIgnoreCase);
    EXPECT_EQ(HasExtension("0000000012(Pump).KUF", ".kuf"), kIgnoreCase);
    EXPECT_TRUE(HasExtension("a.kuf", ".kuf"));
    EXPECT_FALSE(HasExtension(".kuf", ".kuf"));
    EXPECT_FALSE(HasExtension("a.kuf.tmp123", ".kuf"));
}

}  // namespace
}  // namespace koru
