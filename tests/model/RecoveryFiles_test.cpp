#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "model/LeftEdits.h"
#include "model/RecoveryFile.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

namespace fs = std::filesystem;

UnitConfiguration Unit(const std::string& alias) {
    UnitConfiguration config;
    config.unit = {"0000000042", alias, "KORU Base"};
    return config;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The edits of a window that still runs are its own; once it has gone without removing them, they are
// found, newest first, and loaded as they were written.
TEST(RecoveryFiles, EditsAreLeftOnlyByWindowsThatAreGone) {
    test::TempDir dir;
    const fs::path folder = dir / "Recovery";
    auto older = std::make_unique<RecoveryFile>(folder);
    auto newer = std::make_unique<RecoveryFile>(folder);
    ASSERT_FALSE(older->write(Unit("Older")));
    ASSERT_FALSE(newer->write(Unit("Newer")));
    fs::last_write_time(older->path(), fs::last_write_time(newer->path()) - std::chrono::seconds(10));
    EXPECT_TRUE(LeftEdits::Find(folder).empty());
    EXPECT_TRUE(test::ReadBytes(older->path()).starts_with("' KORU Configurator: unsaved edits of 0000000042(Older).kuf"));

    older.reset();
    newer.reset();
    std::vector<LeftEdits> left = LeftEdits::Find(folder);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_TRUE(LeftEdits::Find(folder).empty()) << "each is held by the program that found it";
    UnitConfiguration loaded;
    ASSERT_FALSE(left[0].load(loaded));
    EXPECT_EQ(loaded.unit.alias, "Newer");

    left[0].discard();
    left.clear();
    ASSERT_EQ(LeftEdits::Find(folder).size(), 1u);
}

TEST(RecoveryFiles, RemovedEditsLeaveNothing) {
    test::TempDir dir;
    RecoveryFile file(dir / "Recovery");
    file.remove();  // nothing written yet: nothing to do
    ASSERT_FALSE(file.write(Unit("Pump")));
    EXPECT_TRUE(file.written());
    file.remove();
    EXPECT_FALSE(file.written());
    EXPECT_TRUE(Names(dir / "Recovery").empty());
    ASSERT_FALSE(file.write(Unit("Pump")));  // a new edit after a save is kept again
    EXPECT_EQ(Names(dir / "Recovery").size(), 2u);
}

// A window killed while it wrote leaves a lock file without edits, or half a file: both go.
TEST(RecoveryFiles, WhatKilledWindowsLeftHalfMadeIsRemoved) {
    test::TempDir dir;
    const fs::path folder = dir / "Recovery";
    fs::create_directories(folder);
    test::WriteBytes(folder / "11-1.lock", "");
    test::WriteBytes(folder / ".11-2.kur.tmp123456", "-Unit\r\n");
    test::WriteBytes(folder / "notes.txt", "kept");
    RecoveryFile running(folder);
    ASSERT_FALSE(running.write(Unit("Pump")));
    const std::string runningName = running.path().filename().string();

    EXPECT_TRUE(LeftEdits::Find(folder).empty());
    std::vector<std::string> expected{"notes.txt", runningName, running.path().stem().string() + ".lock"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(folder), expected);
}

}  // namespace
}  // namespace koru
