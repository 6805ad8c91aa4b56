#include "model/UnitFile.h"

#include <array>
#include <memory>

#include "model/AtomicFile.h"
#include "model/FileSyntax.h"
#include "model/Sections.h"

namespace koru {

std::string FileError::describe() const { return file + ":" + std::to_string(line) + ": " + reason; }

namespace {

// The section readers of one load, made when their section first appears. Each load starts fresh.
class LoadState {
public:
    SectionReader* readerFor(std::string_view sectionName) {
        const std::optional<Section> section = SectionByName(sectionName);
        if (!section) return nullptr;
        std::unique_ptr<SectionReader>& reader = readers_[static_cast<int>(*section)];
        if (!reader) reader = MakeSectionReader(*section);
        return reader.get();
    }

private:
    std::array<std::unique_ptr<SectionReader>, kSectionCount> readers_;
};

}  // namespace

std::optional<FileError> LoadUnitText(std::string_view bytes, UnitConfiguration& config,
                                      const std::string& fileName) {
    UnitConfiguration loaded = config;
    LoadState state;
    LineCursor cursor(bytes);
    std::string sectionName;
    SectionReader* reader = nullptr;
    int lineNumber = 0;
    while (std::optional<std::string> line = cursor.ReadCleanLine()) {
        ++lineNumber;
        if (line->empty()) continue;
        if ((*line)[0] == '-') {
            sectionName = line->substr(1);
            reader = state.readerFor(sectionName);
            continue;
        }
        if (reader == nullptr) continue;
        if (ReadFailure failure = reader->apply(*line, loaded)) {
            return FileError{fileName, lineNumber, "section \"" + sectionName + "\": " + *failure};
        }
    }
    config = std::move(loaded);
    return std::nullopt;
}

std::optional<FileError> LoadUnitFile(const std::string& path, UnitConfiguration& config) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return FileError{path, 0, "cannot read the file"};
    return LoadUnitText(*bytes, config, path);
}

std::string UnitFileText(const UnitConfiguration& config) {
    LineWriter out;
    out.reserve(16384);
    bool first = true;
    for (Section section : AllSections()) {
        if (!first) out.blankLine();
        first = false;
        WriteSection(section, out, config);
    }
    return out.take();
}

std::optional<FileError> WriteUnitFile(const std::string& path, const UnitConfiguration& config) {
    if (std::optional<std::string> reason = WriteFileAtomically(path, UnitFileText(config))) {
        return FileError{path, 0, *reason};
    }
    return std::nullopt;
}

}  // namespace koru
