#include "model/UnitName.h"

#include <algorithm>

#include "model/FileNames.h"
#include "model/FileSyntax.h"
#include "model/Windows1252.h"

namespace koru {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Characters a file name cannot hold on one of the systems a library travels to (a USB stick, Windows).
constexpr std::string_view kRefusedInFileNames = "\\/:*?\"<>|";

// The first reason why `text` cannot stand inside a file name in the library's folders.
std::optional<std::string> unsafeNamePart(std::string_view text) {
    for (const char c : text) {
        if (IsWindows1252Control(c)) return std::string("it holds a control character");
        if (c == '/' || c == '\\') return "it holds \"" + std::string(1, c) + "\", which separates folders";
        if (kRefusedInFileNames.find(c) != std::string_view::npos) {
            return "it holds \"" + std::string(1, c) + "\", which Windows and USB sticks refuse in a file name";
        }
    }
    if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) {
        return std::string("it begins or ends with a blank, which a unit file does not keep");
    }
    return std::nullopt;
}

}  // namespace

std::string PadUnitId(std::string_view typed) {
    const std::string_view id = TrimBlanks(typed);
    if (id.size() >= kUnitIdLength) return std::string(id);
    return std::string(kUnitIdLength - id.size(), '0') + std::string(id);
}

bool IsUnitIdText(std::string_view id) {
    return id.size() == kUnitIdLength && std::all_of(id.begin(), id.end(), isDigit);
}

std::optional<std::string> UnitIdProblem(std::string_view typed) {
    const std::string_view id = TrimBlanks(typed);
    if (id.empty()) return std::string("The unit ID number is empty.");
    if (id.size() > kUnitIdLength || !std::all_of(id.begin(), id.end(), isDigit)) {
        return "The unit ID \"" + TextForMessage(id) + "\" is not a whole number of at most 10 digits.";
    }
    std::uint64_t number = 0;
    for (const char c : id) number = number * 10 + static_cast<std::uint64_t>(c - '0');
    if (number > kHighestUnitNumber) {
        return "The unit ID " + std::string(id) + " is above 4294967295, the highest unit number a unit can have.";
    }
    return std::nullopt;
}

std::optional<std::string> AliasProblem(std::string_view alias) {
    if (auto reason = unsafeNamePart(alias)) {
        return "The alias \"" + TextForMessage(alias) + "\" cannot be used in a file name: " + *reason + ".";
    }
    if (alias.find(',') != std::string_view::npos) {
        return "The alias \"" + TextForMessage(alias) +
               "\" cannot hold \",\", which would split the unit's entry in every list that names it.";
    }
    if (alias == "-") {
        return std::string("The alias \"-\" cannot be used, because a unit file reads it as no alias.");
    }
    const UnitIdentity longest{std::string(kUnitIdLength, '0'), std::string(alias)};
    const std::size_t nameLength = FileSystemName(UnitFileName(longest)).native().size();
    if (nameLength > kLongestFileName) {
        return "The alias is too long for a file name: the unit file's name would be " + std::to_string(nameLength) +
               " bytes long, and at most " + std::to_string(kLongestFileName) + " fit.";
    }
    return std::nullopt;
}

std::optional<std::string> UnitTypeProblem(std::string_view type) {
    if (type.empty()) return std::string("No type of unit is chosen.");
    if (auto reason = unsafeNamePart(type)) {
        return "The unit type \"" + TextForMessage(type) + "\" cannot name a default file: " + *reason + ".";
    }
    return std::nullopt;
}

std::string UnitFileName(const UnitIdentity& unit) {
    return unit.id + "(" + unit.alias + ")" + std::string(kUnitFileExtension);
}

std::string UnitEntryOf(std::string_view fileName) {
    if (HasExtension(fileName, kUnitFileExtension)) fileName.remove_suffix(kUnitFileExtension.size());
    return std::string(fileName);
}

std::optional<std::string_view> UnitIdOfName(std::string_view name) {
    const auto open = name.find('(');
    if (open == std::string_view::npos) return std::nullopt;
    return name.substr(0, open);
}

}  // namespace koru
