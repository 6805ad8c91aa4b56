#pragma once

// A unit library in a temporary folder, with its folders made and the shipped default files in place.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/UnitLibrary.h"
#include "tests/support/TestSupport.h"

namespace koru::test {

class TestLibrary {
public:
    TestLibrary() {
        EXPECT_TRUE(library.CreateFolders().done());
        std::filesystem::create_directories(library.defaultFilesFolder());
        const std::filesystem::path shipped =
            std::filesystem::path(KORU_SOURCE_DIR) / "files" / "Default Files";
        for (const char* name : {"KORU Base.kdf", "KORU Starter-kit.kdf"}) {
            std::filesystem::copy_file(shipped / name, library.defaultFilesFolder() / name);
        }
    }

    void addUnitFile(const std::string& name, const std::string& bytes = "-Unit\r\n") const {
        WriteBytes(library.unitsFolder() / name, bytes);
    }

    // The names in a folder of the library, sorted.
    std::vector<std::string> namesIn(const std::filesystem::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> unitFiles() const { return namesIn(library.unitsFolder()); }

    TempDir dir;
    UnitLibrary library{dir.path()};
};

}  // namespace koru::test
