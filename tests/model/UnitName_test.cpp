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

// An alias becomes part of a file name that must work on a USB stick and on Windows too, and come back
// from the file name as the same text.
TEST(UnitNameTest, AliasesThatCannotMakeASafeFileNameAreRefused) {
    const std::string unsafe = "cannot be used in a file name: it holds ";
    const std::string elsewhere = ", which Windows and USB sticks refuse in a file name.";
    struct Case {
        std::string alias;
        std::optional<std::string> problem;
    };
    const Case cases[] = {
        {"St. Olav", std::nullopt},
        {"", std::nullopt},
        {"P\xE5 taket (2)", std::nullopt},  // eight-bit letter, parentheses
        {"a/b", "The alias \"a/b\" " + unsafe + "\"/\", which separates folders."},
        {"..\\x", "The alias \"..\\x\" " + unsafe + "\"\\\", which separates folders."},
        {"a:b", "The alias \"a:b\" " + unsafe + "\":\"" + elsewhere},
        {"why?", "The alias \"why?\" " + unsafe + "\"?\"" + elsewhere},
        {"*", "The alias \"*\" " + unsafe + "\"*\"" + elsewhere},
        {"6\" pipe", "The alias \"6\" pipe\" " + unsafe + "\"\"\"" + elsewhere},
        {"<a>", "The alias \"<a>\" " + unsafe + "\"<\"" + elsewhere},
        {"a|b", "The alias \"a|b\" " + unsafe + "\"|\"" + elsewhere},
        {"a\r\nb", "The alias \"a??b\" " + unsafe + "a control character."},
        {std::string("a\0b", 3), "The alias \"a?b\" " + unsafe + "a control character."},
        {"a\x7F", "The alias \"a?\" " + unsafe + "a control character."},
        {"a\x81", "The alias \"a?\" " + unsafe + "a control character."},
        {" Pump", "The alias \" Pump\" cannot be used in a file name: it begins or ends with a blank, which a unit "
                  "file does not keep."},
        {"Pump ", "The alias \"Pump \" cannot be used in a file name: it begins or ends with a blank, which a unit "
                  "file does not keep."},
        {"North,South",
         "The alias \"North,South\" cannot hold \",\", which would split the unit's entry in every list that names "
         "it."},
        {"-", "The alias \"-\" cannot be used, because a unit file reads it as no alias."},
        {std::string(224, 'a'), std::nullopt},  // 240 bytes of file name
        {std::string(112, '\xFC'), std::nullopt},  // two bytes each in UTF-8
        {std::string(225, 'a'), "The alias is too long for a file name: the unit file's name would be 241 bytes long, "
                                "and at most 240 fit."},
        {std::string(113, '\xFC'), "The alias is too long for a file name: the unit file's name would be 242 bytes "
                                   "long, and at most 240 fit."},
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

// A unit file's name on disk is its Windows-1252 name in the file system's encoding (UTF-8 here), and the
// name read back is the same bytes as the alias inside the file.
TEST(UnitNameTest, FileSystemNamesConvertBothWays) {
    struct Case {
        const char* name;
        std::string windows1252;
        std::string onDisk;
    };
    const Case cases[] = {
        {"plain", "0000000012(Pump).kuf", "0000000012(Pump).kuf"},
        {"letters beyond ASCII", "0000000007(P\xFCmp \xD8st).kuf", "0000000007(P\xC3\xBCmp \xC3\x98st).kuf"},
        {"the euro sign", "0000000008(\x80 5).kuf", "0000000008(\xE2\x82\xAC 5).kuf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FileSystemName(c.windows1252).native(), c.onDisk);
        EXPECT_EQ(NameFromFileSystem(c.onDisk), c.windows1252);
    }
    // Names no unit of ours can have.
    for (const char* onDisk : {"0000000009(P\xFCmp).kuf", "0000000009(\xC5\x81\xC3\xB3" "d\xC5\xBA).kuf",
                               "0000000009(a\x01).kuf", "0000000009(a\xC2\x81).kuf", "0000000009(a\tb).kuf"}) {
        SCOPED_TRACE(onDisk);
        EXPECT_EQ(NameFromFileSystem(onDisk), std::nullopt);
    }
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
