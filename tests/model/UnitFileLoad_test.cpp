#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <unistd.h>

#include "model/UnitFile.h"
#include "model/UnitLibrary.h"
#include "tests/support/NonRegularFiles.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;

// The unit a load starts from in these tests, so a load that changes nothing can be told from one that
// resets something.
UnitConfiguration openUnit() {
    UnitConfiguration config;
    config.unit = {"0000000012", "Pump", "KORU Base"};
    config.radio.channel = "42";
    return config;
}

std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii) {
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return out;
}

struct Refusal {
    const char* name;
    std::string bytes;
    int line;
    std::string reason;
};

// Files that are no unit files must not load as an empty unit that a send would then send.
TEST(WhatALoadAccepts, FilesWithContentButNoKnownSectionAreRefused) {
    const std::string notAUnitFile = "no line is a known section heading such as \"-Unit\" or \"-Radio\", so this is "
                                     "not a unit, default or parameter file";
    const Refusal cases[] = {
        {"random bytes", std::string("\x8F\x13\xE2\x00\x7F\xC4\x01\xFF\x9A\x44\x0B", 11) + "\r\n-\xAB\x1C", 1,
         notAUnitFile},
        {"UTF-16 little-endian", Utf16("-Unit\r\nId=0000000005\r\n-Radio\r\nChannel=3\r\n", false), 1,
         notAUnitFile + " (it looks like UTF-16 text; unit files are 8-bit text)"},
        {"UTF-16 big-endian", Utf16("-Radio\r\nChannel=3\r\n", true), 1,
         notAUnitFile + " (it looks like UTF-16 text; unit files are 8-bit text)"},
        {"lines ended by CR alone", "-Unit\rId=0000000005\r-Radio\rChannel=3\r", 1,
         notAUnitFile + " (its lines end with CR alone; unit file lines end with CR LF)"},
        {"only unknown sections, after comments", "' notes\r\n\r\n-Radios\r\nChannel=3\r\n- Radio\r\n", 3,
         notAUnitFile},
        {"key lines without any heading", "Channel=3\r\n", 1, notAUnitFile},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        UnitConfiguration config = openUnit();
        const std::optional<FileError> error = LoadUnitText(c.bytes, config, "strange.kuf");
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->describe(), "strange.kuf:" + std::to_string(c.line) + ": " + c.reason);
        EXPECT_EQ(config, openUnit());
    }
}

TEST(WhatALoadAccepts, EmptyAndCommentOnlyFilesHoldNothing) {
    for (const char* bytes : {"", "\r\n\r\n", "   \r\n", "' a comment\r\n/* another\r\n", "\xEF\xBB\xBF"}) {
        SCOPED_TRACE(bytes);
        UnitConfiguration config = openUnit();
        EXPECT_FALSE(LoadUnitText(bytes, config, "empty.kuf"));
        EXPECT_EQ(config, openUnit());
    }
}

// A file saved by an editor that writes UTF-8 with a byte-order mark: the mark once hid the "-Unit" heading
// and the unit's ID was silently lost.
TEST(WhatALoadAccepts, Utf8WithAByteOrderMarkIsReadAsWindows1252) {
    UnitConfiguration config;
    ASSERT_FALSE(LoadUnitText("\xEF\xBB\xBF-Unit\r\nId=0000000007\r\nAlias=P\xC3\xBCmp \xC3\x98st\r\n"
                              "-Message action\r\n+Message1\r\nText=\xE2\x82\xAC 5\r\n",
                              config, "utf8.kuf"));
    EXPECT_EQ(config.unit.id, "0000000007");
    EXPECT_EQ(config.unit.alias, "P\xFCmp \xD8st");
    EXPECT_EQ(config.messageActions.messages[0].text, "\x80 5");
}

TEST(WhatALoadAccepts, Utf8ThatWindows1252CannotHoldIsRefusedAtItsLine) {
    const Refusal cases[] = {
        {"a character outside the set", "\xEF\xBB\xBF-Unit\r\nId=0000000007\r\nAlias=\xC5\x81\xC3\xB3" "d\xC5\xBA\r\n",
         3,
         "the file is UTF-8 text (it starts with a byte-order mark) and the character \"\xC5\x81\" (U+0141) is "
         "not in the Windows-1252 character set"},
        {"bytes that are not UTF-8 after the mark", "\xEF\xBB\xBF-Unit\r\nAlias=P\xFCmp\r\n", 2,
         "the file is UTF-8 text (it starts with a byte-order mark) and the text is not UTF-8 text"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        UnitConfiguration config = openUnit();
        const std::optional<FileError> error = LoadUnitText(c.bytes, config, "utf8.kuf");
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->line, c.line);
        EXPECT_EQ(error->reason, c.reason);
        EXPECT_EQ(config, openUnit());
    }
}

TEST(WhatALoadAccepts, Windows1252BytesWithoutAMarkStayAsTheyAre) {
    UnitConfiguration config;
    ASSERT_FALSE(LoadUnitText("-Unit\r\nAlias=P\xFCmp\x81\r\n", config));
    EXPECT_EQ(config.unit.alias, "P\xFCmp\x81");
}

// A parameter file, a file after the first on korucfg's command line, or a default file used as a
// template must never redirect a send to another unit.
TEST(Imports, NeverChangeTheUnitsIdentity) {
    const std::string other = "-Unit\r\nId=0000000099\r\nAlias=Elsewhere\r\nType=KORU Starter-kit\r\n"
                              "-Radio\r\nChannel=7\r\n";
    UnitConfiguration imported = openUnit();
    ASSERT_FALSE(LoadUnitText(other, imported, "other.kpf", LoadKind::Import));
    EXPECT_EQ(imported.unit, openUnit().unit);
    EXPECT_EQ(imported.radio.channel, "7");

    UnitConfiguration opened = openUnit();
    ASSERT_FALSE(LoadUnitText(other, opened, "other.kuf", LoadKind::Open));
    EXPECT_EQ(opened.unit, (UnitIdentity{"0000000099", "Elsewhere", "KORU Starter-kit"}));

    UnitConfiguration onlyUnit = openUnit();
    EXPECT_FALSE(LoadUnitText("-Unit\r\nId=0000000099\r\n", onlyUnit, "unit.kpf", LoadKind::Import));
    EXPECT_EQ(onlyUnit, openUnit());
}

TEST(LoadUnitFile, SaysWhyAFileCannotBeRead) {
    test::TempDir dir;
    test::WriteBytes(dir / "locked.kuf", "-Radio\r\n");
    fs::permissions(dir / "locked.kuf", fs::perms::none);
    struct Case {
        std::string path;
        std::string reason;
    };
    std::vector<Case> cases = {
        {(dir / "missing.kuf").string(), "cannot read the file: No such file or directory"},
        {dir.path().string(), "cannot read the file: Is a directory"},
    };
    if (::geteuid() != 0) cases.push_back({(dir / "locked.kuf").string(), "cannot read the file: Permission denied"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        UnitConfiguration config = openUnit();
        const std::optional<FileError> error = LoadUnitFile(c.path, config);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->describe(), c.path + ":0: " + c.reason);
        EXPECT_EQ(config, openUnit());
    }
}

// An endless device or a huge file is refused after at most 8 MiB, not read until memory runs out.
TEST(LoadUnitFile, RefusesFilesLargerThanAnyUnitFile) {
    test::TempDir dir;
    const std::string tooLarge = "the file is larger than 8 MiB, which no unit, default or parameter file is";
    {
        std::FILE* file = std::fopen((dir / "huge.kuf").c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("-Radio\r\nChannel=3\r\n", file);
        ASSERT_EQ(::ftruncate(::fileno(file), static_cast<off_t>(kLargestUnitFile) + 1), 0);
        std::fclose(file);
    }
    UnitConfiguration huge = openUnit();
    const std::optional<FileError> error = LoadUnitFile((dir / "huge.kuf").string(), huge);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, tooLarge);
    EXPECT_EQ(huge, openUnit());

    std::string largest(kLargestUnitFile, ' ');
    largest.replace(0, 19, "-Radio\r\nChannel=3\r\n");
    test::WriteBytes(dir / "largest.kuf", largest);
    UnitConfiguration config = openUnit();
    EXPECT_FALSE(LoadUnitFile((dir / "largest.kuf").string(), config));
    EXPECT_EQ(config.radio.channel, "3");
}

struct NotAFileCase {
    const char* name;
    std::string path;  // "FIFO" and "SOCKET" stand for a named pipe and a socket made in the test folder
    std::string reason;
};

struct LoadCase {
    const char* name;
    std::function<std::optional<std::string>(const fs::path& file, UnitConfiguration& config)> load;
};

// Only a regular file is read: a named pipe nobody writes to once blocked every load for good, and a
// device or a socket holds no unit either. Each is refused at once with its path and why.
TEST(EveryLoad, RefusesWhatIsNoRegularFile) {
    test::TempDir dir;
    test::MakeFifo(dir / "pipe.kuf");
    const test::SocketFile socket(dir / "socket.kuf");
    const NotAFileCase files[] = {
        {"named pipe", (dir / "pipe.kuf").string(), "cannot read the file: it is a named pipe, not a regular file"},
        {"socket", (dir / "socket.kuf").string(), "cannot read the file: it is a socket, not a regular file"},
        {"endless device", "/dev/zero", "cannot read the file: it is a device, not a regular file"},
        {"empty device", "/dev/null", "cannot read the file: it is a device, not a regular file"},
        {"folder", dir.path().string(), "cannot read the file: Is a directory"},
    };
    const UnitLibrary library(dir.path());
    const LoadCase loads[] = {
        {"open", [](const fs::path& file, UnitConfiguration& config) -> std::optional<std::string> {
             if (auto error = LoadUnitFile(file.string(), config)) return error->describe();
             return std::nullopt;
         }},
        {"import", [](const fs::path& file, UnitConfiguration& config) -> std::optional<std::string> {
             if (auto error = LoadUnitFile(file.string(), config, LoadKind::Import)) return error->describe();
             return std::nullopt;
         }},
        {"open from the library", [&library](const fs::path& file, UnitConfiguration& config) -> std::optional<std::string> {
             const LibraryResult opened = library.OpenUnit(file, config);
             if (opened.done()) return std::nullopt;
             return opened.message;
         }},
    };
    for (const NotAFileCase& file : files) {
        for (const LoadCase& load : loads) {
            SCOPED_TRACE(std::string(file.name) + ", " + load.name);
            UnitConfiguration config = openUnit();
            std::optional<std::string> refused;
            {
                const test::FifoWatchdog watchdog(dir / "pipe.kuf");
                refused = load.load(file.path, config);
                EXPECT_FALSE(watchdog.hadToRelease()) << "the load waited for a writer";
            }
            ASSERT_TRUE(refused.has_value());
            EXPECT_NE(refused->find(file.path + ":0: " + file.reason), std::string::npos) << *refused;
            EXPECT_EQ(config, openUnit());
        }
    }
}

}  // namespace
}  // namespace koru
