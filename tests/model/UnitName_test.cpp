#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/FileNames.h"
#include "model/UnitName.h"

namespace koru {
namespace {

struct IdCase {
    const char* name;
    std::string typed;
    std::string padded;
    bool usable;
};

TEST(UnitNameTest, PaddedIdsAndWhichOnesAUnitCanHave) {
    const IdCase cases[] = {
        {"short id is padded with zeros", "12", "0000000012", true},
        {"blanks around the id are dropped", "  42 ", "0000000042", true},
        {"full ten digits stay", "1234567890", "1234567890", true},
        {"zero is a unit number", "0", "0000000000", true},
        {"highest 32-bit unit number", "4294967295", "4294967295", true},
        {"one above 32 bits", "4294967296", "4294967296", false},
        {"all nines overflows 32 bits", "9999999999", "9999999999", false},
        {"letters inside", "4x2", "00000004x2", false},
        {"decimal point that still reads as a number", "000000012.5", "000000012.5", false},
        {"short decimal is padded but refused", "12.5", "00000012.5", false},
        {"sign", "-12", "0000000-12", false},
        {"eleven digits", "12345678901", "12345678901", false},
        {"blank inside", "1 2", "00000001 2", false},
        {"empty is refused although it pads to zeros", "", "0000000000", false},
        {"blanks only", "   ", "0000000000", false},
    };
    for (const IdCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string padded = PadUnitId(c.typed);
        EXPECT_EQ(padded, c.padded);
        EXPECT_EQ(!UnitIdProblem(c.typed).has_value(), c.usable);
    }
}

struct AliasCase {
    const char* name;
    std::string alias;
    std::optional<std::string> problem;
};

TEST(UnitNameTest, AliasesThatCannotMakeASafeFileNameAreRefused) {
    const AliasCase cases[] = {
        {"plain", "Pump", std::nullopt},
        {"dot inside", "St. Olav", std::nullopt},
        {"parentheses inside", "Pump (north)", std::nullopt},
        {"empty alias", "", std::nullopt},
        {"eight-bit letter", "P\xE5 taket", std::nullopt},
        {"slash", "a/b", "The alias \"a/b\" cannot be used in a file name: it holds \"/\", which separates folders."},
        {"backslash", "..\\x",
         "The alias \"..\\x\" cannot be used in a file name: it holds \"\\\", which separates folders."},
        {"tab", std::string("a\tb"), "The alias \"a?b\" cannot be used in a file name: it holds a control character."},
        {"line end", std::string("a\r\nb"),
         "The alias \"a??b\" cannot be used in a file name: it holds a control character."},
        {"delete character", std::string("a\x7F"),
         "The alias \"a?\" cannot be used in a file name: it holds a control character."},
        {"nul", std::string("a\0b", 3),
         "The alias \"a?b\" cannot be used in a file name: it holds a control character."},
        {"comma", "North,South",
         "The alias \"North,South\" cannot hold \",\", which would split the unit's entry in every list that names "
         "it."},
        {"the no-change marker", "-", "The alias \"-\" cannot be used, because a unit file reads it as no alias."},
        {"dash inside is fine", "A-B", std::nullopt},
#ifdef _WIN32
        {"colon", "a:b",
         "The alias \"a:b\" cannot be used in a file name: it holds \":\", which the file system refuses in a file "
         "name."},
        {"question mark", "why?",
         "The alias \"why?\" cannot be used in a file name: it holds \"?\", which the file system refuses in a "
         "file name."},
#else
        {"colon is a file name character here", "a:b", std::nullopt},
#endif
    };
    for (const AliasCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AliasProblem(c.alias), c.problem);
    }
}

struct NameCase {
    const char* name;
    std::string fileName;
    std::string entry;
    std::optional<std::string> id;
};

TEST(UnitNameTest, EntriesAndIdsOfUnitFileNames) {
    const NameCase cases[] = {
        {"ordinary", "0000000012(Pump).kuf", "0000000012(Pump)", "0000000012"},
        {"dot in the alias keeps the whole alias", "0000000012(St. Olav).kuf", "0000000012(St. Olav)",
         "0000000012"},
        {"extension-like text in the alias", "0000000007(a.kuf).kuf", "0000000007(a.kuf)", "0000000007"},
        {"no parenthesis has no id", "notes.kuf", "notes", std::nullopt},
        {"parenthesis first gives an empty id", "(x).kuf", "(x)", ""},
        {"second parenthesis belongs to the alias", "0000000003(a(b)).kuf", "0000000003(a(b))", "0000000003"},
        {"entry given without extension stays", "0000000012(Pump)", "0000000012(Pump)", "0000000012"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UnitEntryOf(c.fileName), c.entry);
        const auto id = UnitIdOfName(c.fileName);
        EXPECT_EQ(id ? std::optional<std::string>(std::string(*id)) : std::nullopt, c.id);
    }
    EXPECT_EQ(UnitFileName(UnitIdentity{"0000000012", "St. Olav", "KORU Base"}), "0000000012(St. Olav).kuf");
}

TEST(UnitNameTest, FileNamesCompareAsTheFileSystemDoes) {
    EXPECT_TRUE(FileNamesEqual("0000000012(Pump).kuf", "0000000012(Pump).kuf"));
    EXPECT_FALSE(FileNamesEqual("0000000012(Pump).kuf", "0000000012(Pump).ku"));
    EXPECT_FALSE(FileNamesEqual("0000000012(Pump).kuf", "0000000012(Pumq).kuf"));
#if defined(_WIN32) || defined(__APPLE__)
    EXPECT_TRUE(FileNamesEqual("0000000012(Pump).kuf", "0000000012(PUMP).KUF"));
    EXPECT_TRUE(HasExtension("0000000012(Pump).KUF", ".kuf"));
#else
    EXPECT_FALSE(FileNamesEqual("0000000012(Pump).kuf", "0000000012(PUMP).kuf"));
    EXPECT_FALSE(HasExtension("0000000012(Pump).KUF", ".kuf"));
#endif
    EXPECT_TRUE(HasExtension("a.kuf", ".kuf"));
    EXPECT_FALSE(HasExtension(".kuf", ".kuf"));
    EXPECT_FALSE(HasExtension("a.kuf.tmp123", ".kuf"));
}

}  // namespace
}  // namespace koru
