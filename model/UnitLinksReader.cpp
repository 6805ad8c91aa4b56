#include "model/UnitLinksReader.h"

#include <memory>

#include "model/FileNames.h"
#include "model/FileSyntax.h"
#include "model/RawLines.h"
#include "model/RegularFile.h"
#include "model/Sections.h"
#include "model/UnitName.h"
#include "model/UnitFile.h"
#include "model/Windows1252.h"

namespace koru {

namespace {

// What the pass over the sections found besides the settings.
struct SectionsSeen {
    bool knownHeading = false;  // any section a load knows
    int unitHeadingLine = 0;    // the first "-Unit" heading
    std::optional<FileError> failure;
};

// The Unit and Network sections of one file, read by the same section readers as a load; the lines of other
// sections are only looked at for headings. A scratch configuration per thread spares building a whole one for
// every file.
SectionsSeen readNetworkSections(std::string_view bytes, const std::string& fileName, UnitLinks& links) {
    thread_local UnitConfiguration scratch;
    scratch.unit = UnitIdentity{};
    scratch.network = NetworkSetup{};
    std::unique_ptr<SectionReader> readers[2];
    SectionReader* reader = nullptr;
    std::string sectionName;
    SectionsSeen seen;
    RawLines lines(bytes);
    while (true) {
        // Outside the two sections only the headings matter.
        if (reader == nullptr) lines.SkipPlainLines();
        const std::optional<std::string_view> raw = lines.next();
        if (!raw) break;
        if (std::optional<std::string> heading = SectionHeadingOf(*raw)) {
            sectionName = std::move(*heading);
            const std::optional<Section> section = SectionByName(sectionName);
            seen.knownHeading = seen.knownHeading || section.has_value();
            reader = nullptr;
            if (section == Section::Unit || section == Section::Network) {
                std::unique_ptr<SectionReader>& slot = readers[section == Section::Unit ? 0 : 1];
                if (!slot) slot = MakeSectionReader(*section);
                reader = slot.get();
            }
            if (section == Section::Unit && seen.unitHeadingLine == 0) seen.unitHeadingLine = lines.number();
            continue;
        }
        if (reader == nullptr) continue;
        const std::string line = CleanedLine(*raw);
        if (line.empty()) continue;
        if (ReadFailure failure = reader->apply(line, scratch)) {
            seen.failure =
                FileError{fileName, lines.number(), TextForMessage("section \"" + sectionName + "\": " + *failure)};
            return seen;
        }
        if (reader == readers[0].get() && KeyOf(line) == "Id" && ValueOf(line) != "-") links.idLine = lines.number();
    }
    links.unit = scratch.unit;
    links.network = scratch.network;
    return seen;
}

// Why a file without a known section heading holds no unit: what a load of it says, or that it is empty.
FileError noUnitIn(std::string_view bytes, const std::string& fileName) {
    UnitConfiguration config;
    if (std::optional<FileError> error = LoadUnitText(bytes, config, fileName)) return *error;
    return FileError{fileName, 0, "the file is empty or holds only comments, so it holds no unit"};
}

// Why the unit read cannot be placed in the network, or why the file's name does not fit it.
std::optional<FileError> unitProblem(const UnitLinks& links, const SectionsSeen& seen, const UnitFileScan& scan) {
    const std::string file = scan.path.string();
    if (seen.unitHeadingLine == 0) {
        return FileError{file, 1, "there is no \"-Unit\" section, so the file holds no unit (a parameter file has none)"};
    }
    if (links.unit.id.empty()) {
        return FileError{file, seen.unitHeadingLine, "the \"-Unit\" section has no \"Id=\" line, so the file holds no unit"};
    }
    if (!IsUnitIdText(links.unit.id)) {
        return FileError{file, links.idLine, "the unit ID \"" + TextForMessage(links.unit.id) + "\" is not 10 digits"};
    }
    const std::string expected = UnitFileName(links.unit);
    if (!FileNamesEqual(scan.fileName, expected)) {
        return FileError{file, links.idLine, "the file name does not match the unit it holds, which saving writes to \"" +
                                                 TextForMessage(expected) + "\""};
    }
    return std::nullopt;
}

}  // namespace

void ReadUnitLinks(std::string_view bytes, UnitFileScan& scan) {
    scan.unit.reset();
    scan.problem.reset();
    const std::string file = scan.path.string();
    std::string converted;
    std::string_view text = bytes;
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        // A UTF-8 file is read as a load reads it: converted to Windows-1252 first.
        if (Utf8ToWindows1252(bytes.substr(kUtf8ByteOrderMark.size()), converted)) {
            scan.problem = noUnitIn(bytes, file);
            return;
        }
        text = converted;
    }
    UnitLinks links;
    const SectionsSeen seen = readNetworkSections(text, file, links);
    if (seen.failure) {
        scan.problem = seen.failure;
        return;
    }
    if (!seen.knownHeading) {
        scan.problem = noUnitIn(bytes, file);
        return;
    }
    scan.problem = unitProblem(links, seen, scan);
    // A unit whose only fault is its file name is still a unit of the network.
    if (!scan.problem || IsUnitIdText(links.unit.id)) scan.unit = std::move(links);
}

void ScanUnitFile(UnitFileScan& scan) {
    std::string bytes;
    if (std::optional<std::string> reason = ReadRegularFile(scan.path, kLargestUnitFile, bytes)) {
        scan.unit.reset();
        scan.problem = FileError{scan.path.string(), 0, *reason};
        return;
    }
    ReadUnitLinks(bytes, scan);
}

}  // namespace koru
