#pragma once

// A unit library in a temporary folder, with helpers to put files in it and to see what is there.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/UnitLibrary.h"
#include "tests/support/TestSupport.h"

namespace koru::test {

class LibraryFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library.CreateFolders().done()); }

    // A small but valid unit file.
    static std::string unitText(const std::string& id, const std::string& alias) {
        return "-Unit\r\nId=" + id + "\r\nAlias=" + alias + "\r\nType=KORU Base\r\n";
    }

    void addUnitFile(const std::string& name, const std::string& bytes = "-Unit\r\n") const {
        WriteBytes(library.unitsFolder() / name, bytes);
    }

    void installDefaultFiles() const {
        const std::filesystem::path source = std::filesystem::path(KORU_SOURCE_DIR) / "files" / "Default Files";
        std::filesystem::create_directories(library.defaultFilesFolder());
        for (const char* name : {"KORU Base.kdf", "KORU Starter-kit.kdf"}) {
            std::filesystem::copy_file(source / name, library.defaultFilesFolder() / name);
        }
    }

    // Every name in the units folder, files and folders alike, sorted.
    std::vector<std::string> unitFolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(library.unitsFolder())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    UnitLibrary library{dir.path()};
};

}  // namespace koru::test
