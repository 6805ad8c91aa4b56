#include "model/UnitFile.h"

#include <algorithm>
#include <array>
#include <deque>
#include <memory>

#include "model/AtomicFile.h"
#include "model/RegularFile.h"
#include "model/FileSyntax.h"
#include "model/Sections.h"
#include "model/Windows1252.h"

namespace koru {

std::string FileError::describe() const { return file + ":" + std::to_string(line) + ": " + reason; }

namespace {

constexpr std::string_view kUtf8Mark = kUtf8ByteOrderMark;

// The section readers of one load, made when their section first appears. Each load starts fresh.
class LoadState {
public:
    explicit LoadState(LoadKind kind) : kind_(kind) {}

    // The reader of a known section; nullptr for an unknown one and, on an import, for Unit.
    SectionReader* readerFor(Section section) {
        if (kind_ == LoadKind::Import && section == Section::Unit) return nullptr;
        std::unique_ptr<SectionReader>& reader = readers_[static_cast<int>(section)];
        if (!reader) reader = MakeSectionReader(section);
        return reader.get();
    }

private:
    LoadKind kind_;
    std::array<std::unique_ptr<SectionReader>, kSectionCount> readers_;
};

int LineAt(std::string_view bytes, std::size_t offset) {
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

// Whether a line of `text`, cut at `lineEnd`, is a known section heading.
bool HoldsKnownHeading(std::string_view text, char lineEnd) {
    while (!text.empty()) {
        const std::size_t end = text.find(lineEnd);
        const std::string_view line = TrimBlanks(text.substr(0, end));
        if (line.starts_with('-') && SectionByName(line.substr(1))) return true;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return false;
}

// Why a file with content but no known section heading is not a unit file, with the likely cause when
// the file is a unit file in another form.
std::string NotAUnitFile(std::string_view bytes) {
    std::string reason = "no line is a known section heading such as \"-Unit\" or \"-Radio\", so this is not a "
                         "unit, default or parameter file";
    const bool utf16Mark = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    std::string withoutZeros(bytes.substr(utf16Mark ? 2 : 0));
    std::erase(withoutZeros, '\0');
    std::erase(withoutZeros, '\r');
    if (withoutZeros.size() < bytes.size() && HoldsKnownHeading(withoutZeros, '\n')) {
        reason += " (it looks like UTF-16 text; unit files are 8-bit text)";
    } else if (HoldsKnownHeading(bytes, '\r')) {
        reason += " (its lines end with CR alone; unit file lines end with CR LF)";
    }
    return reason;
}

// Reads the lines of `bytes` with fresh readers, adding what they set to `effects`, in order; the values
// are views into `bytes`, or into `cleaned` for lines that cleaning changed. Returns why the file is refused.
std::optional<FileError> FollowLines(std::string_view bytes, LoadKind kind, const std::string& fileName,
                                     std::vector<KeyLineEffect>& effects, std::deque<std::string>& cleaned) {
    LoadState state(kind);
    LineCursor cursor(bytes);
    std::string sectionName;
    SectionReader* reader = nullptr;
    bool knownSection = false;
    int firstContentLine = 0;
    int lineNumber = 0;
    std::string changed;
    while (std::optional<std::string_view> line = cursor.ReadCleanLine(changed)) {
        ++lineNumber;
        if (line->empty()) continue;
        if (firstContentLine == 0) firstContentLine = lineNumber;
        if ((*line)[0] == '-') {
            sectionName = std::string(line->substr(1));
            const std::optional<Section> section = SectionByName(sectionName);
            knownSection = knownSection || section.has_value();
            reader = section ? state.readerFor(*section) : nullptr;
            continue;
        }
        if (reader == nullptr) continue;
        if (!changed.empty()) {
            // The line's value must outlive the next line; a deque keeps the lines kept before where they are.
            const std::size_t offset = static_cast<std::size_t>(line->data() - changed.data());
            cleaned.push_back(std::move(changed));
            changed = std::string();
            line = std::string_view(cleaned.back()).substr(offset, line->size());
        }
        if (ReadFailure failure = reader->follow(*line, effects)) {
            return FileError{fileName, lineNumber, TextForMessage("section \"" + sectionName + "\": " + *failure)};
        }
    }
    if (firstContentLine != 0 && !knownSection) return FileError{fileName, firstContentLine, NotAUnitFile(bytes)};
    return std::nullopt;
}

}  // namespace

std::optional<FileError> LoadUnitText(std::string_view bytes, UnitConfiguration& config,
                                      const std::string& fileName, LoadKind kind) {
    std::string converted;
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
        if (const std::optional<EncodingProblem> problem = Utf8ToWindows1252(bytes, converted)) {
            return FileError{fileName, LineAt(bytes, problem->offset),
                             "the file is UTF-8 text (it starts with a byte-order mark) and " + problem->describe()};
        }
        bytes = converted;
    }

    // Every line is read before any is applied: a file refused at its last line leaves the unit as it was,
    // with no copy of the unit to go back to.
    std::vector<KeyLineEffect> effects;
    std::deque<std::string> cleaned;
    if (std::optional<FileError> error = FollowLines(bytes, kind, fileName, effects, cleaned)) return error;
    for (const KeyLineEffect& effect : effects) ApplyEffect(effect, config);
    return std::nullopt;
}

std::optional<FileError> LoadUnitFile(const std::string& path, UnitConfiguration& config, LoadKind kind) {
    std::string bytes;
    if (std::optional<std::string> reason = ReadRegularFile(path, kLargestUnitFile, bytes)) {
        return FileError{path, 0, *reason};
    }
    return LoadUnitText(bytes, config, path, kind);
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
