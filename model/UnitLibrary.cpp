#include "model/UnitLibrary.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "model/AtomicFile.h"
#include "model/FileNames.h"
#include "model/FolderLock.h"
#include "model/LibraryQuestions.h"
#include "model/UnitFile.h"
#include "model/UnitName.h"
#include "model/Windows1252.h"

namespace koru {

namespace fs = std::filesystem;

namespace {

LibraryResult result(LibraryStatus status, std::string message = {}, fs::path file = {}) {
    return LibraryResult{status, std::move(message), std::move(file), {}};
}

// An entry names a file inside the units folder only if it cannot step out of it.
bool canNameUnitFile(std::string_view entry) {
    return std::none_of(entry.begin(), entry.end(),
                        [](char c) { return c == '/' || c == '\\' || IsWindows1252Control(c); });
}

// A message sentence that ends with exactly one full stop, whatever the text it quotes ends with.
std::string sentence(std::string text) {
    if (text.empty() || text.back() != '.') text += '.';
    return text;
}

std::string quoted(const fs::path& path) { return "\"" + PathForMessage(path) + "\""; }

LibraryResult confirm(std::string text, std::string_view title) {
    LibraryResult asking = result(LibraryStatus::NeedsConfirmation);
    asking.question = {std::move(text), std::string(title)};
    return asking;
}

LibraryResult noSuchUnit(std::string_view entry) {
    return result(LibraryStatus::Refused, "There is no unit \"" + TextForMessage(entry) + "\" in the library.");
}

}  // namespace

UnitLibrary::UnitLibrary(fs::path root) : UnitLibrary(root, root / "Default Files") {}
UnitLibrary::UnitLibrary(fs::path root, fs::path defaultFiles)
    : root_(std::move(root)), defaultFiles_(std::move(defaultFiles)) {}

fs::path UnitLibrary::unitsFolder() const { return root_ / "Units"; }
fs::path UnitLibrary::defaultFilesFolder() const { return defaultFiles_; }
fs::path UnitLibrary::parameterFilesFolder() const { return root_ / "Parameter files"; }
fs::path UnitLibrary::recoveryFolder() const { return root_ / "Recovery"; }

void UnitLibrary::forEachFileName(const fs::path& folder, std::string_view extension, const FileVisitor& visit) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error) || error) {
            error.clear();
            continue;
        }
        const std::optional<std::string> name = NameFromFileSystem(it->path().filename());
        if (name && HasExtension(*name, extension) && !visit(*name, it->path())) return;
    }
}

LibraryResult UnitLibrary::CreateFolders() const {
    for (const fs::path& folder : {unitsFolder(), parameterFilesFolder()}) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (error) {
            return result(LibraryStatus::Failed,
                          "Cannot create the folder " + quoted(folder) + ": " + error.message() + ".");
        }
    }
    RemoveUnfinishedSaves();
    return result(LibraryStatus::Done);
}

void UnitLibrary::RemoveUnfinishedSaves() const {
    std::error_code error;
    if (!fs::is_directory(unitsFolder(), error)) return;
    // Under the lock no save is half-way, so every temporary file found is one a killed save left.
    const FolderLock lock(unitsFolder());
    for (fs::directory_iterator it(unitsFolder(), error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        std::error_code ignored;
        if (IsUnfinishedSave(it->path().filename().string(), kUnitFileExtension) && it->is_regular_file(ignored)) {
            fs::remove(it->path(), ignored);
        }
    }
}

std::optional<std::string> UnitLibrary::UnitsFolderProblem() const {
    std::error_code error;
    const fs::file_status root = fs::status(root_, error);
    if (!fs::exists(root)) return "The library folder " + quoted(root_) + " does not exist.";
    if (!fs::is_directory(root)) return "The library folder " + quoted(root_) + " is not a folder.";
    if (!fs::exists(unitsFolder(), error)) return std::nullopt;
    fs::directory_iterator(unitsFolder(), error);
    if (error) return "Cannot read the folder " + quoted(unitsFolder()) + ": " + error.message() + ".";
    return std::nullopt;
}

std::vector<std::string> UnitLibrary::UnitEntries() const {
    std::vector<std::string> entries;
    forEachFileName(unitsFolder(), kUnitFileExtension, [&entries](const std::string& name, const fs::path&) {
        entries.push_back(UnitEntryOf(name));
        return true;
    });
    std::sort(entries.begin(), entries.end());
    return entries;
}

UnitLists UnitLibrary::RefreshUnitLists() const {
    UnitLists lists;
    lists.units = UnitEntries();
    lists.messageDestinations.reserve(lists.units.size() + 3);
    lists.messageDestinations.emplace_back(kSerialPortDestination);
    lists.messageDestinations.emplace_back(kUpperUnitDestination);
    lists.outputFlagDestinations.reserve(lists.units.size() + 3);
    lists.outputFlagDestinations.emplace_back(kNoDestination);
    lists.outputFlagDestinations.emplace_back(kUpperUnitDestination);
    for (const std::string& entry : lists.units) {
        lists.messageDestinations.push_back(entry);
        lists.outputFlagDestinations.push_back(entry);
    }
    lists.messageDestinations.emplace_back(kGeneralBroadcastDestination);
    lists.outputFlagDestinations.emplace_back(kGeneralBroadcastDestination);
    return lists;
}

bool UnitLibrary::UnitIdExists(std::string_view paddedId) const {
    bool found = false;
    forEachFileName(unitsFolder(), kUnitFileExtension, [&](const std::string& name, const fs::path&) {
        const auto id = UnitIdOfName(name);
        found = id && FileNamesEqual(*id, paddedId);
        return !found;
    });
    return found;
}

std::vector<std::string> UnitLibrary::ListDefaultFiles() const {
    std::vector<std::string> types;
    forEachFileName(defaultFilesFolder(), kDefaultFileExtension, [&types](const std::string& name, const fs::path&) {
        types.push_back(name.substr(0, name.size() - kDefaultFileExtension.size()));
        return true;
    });
    std::sort(types.begin(), types.end());
    return types;
}

LibraryResult UnitLibrary::NewUnit(std::string_view idText, std::string_view aliasText, std::string_view type,
                                   UnitConfiguration& config, Consent consent) const {
    if (auto problem = UnitIdProblem(idText)) return result(LibraryStatus::Refused, *problem);
    const std::string id = PadUnitId(idText);
    if (auto problem = UnitTypeProblem(type)) return result(LibraryStatus::Refused, *problem);
    const std::string alias = aliasText.empty() ? id : std::string(aliasText);
    if (auto problem = AliasProblem(alias)) return result(LibraryStatus::Refused, *problem);

    const fs::path defaultFile =
        defaultFilesFolder() / FileSystemName(std::string(type) + std::string(kDefaultFileExtension));
    std::error_code error;
    if (!fs::is_regular_file(defaultFile, error)) {
        return result(LibraryStatus::Failed, "There is no default file " + quoted(defaultFile) + " for the type \"" +
                                                 TextForMessage(type) + "\".");
    }
    if (UnitIdExists(id) && consent != Consent::Given) {
        return confirm(std::string(kReplaceUnitQuestion), kReplaceUnitTitle);
    }

    // The new unit is built on a copy, so a failure leaves the open unit as it was. A default file is a
    // template, never a unit: whatever its Unit section says, the unit is the one asked for.
    UnitConfiguration unit = config;
    if (auto loadError = LoadUnitFile(defaultFile.string(), unit, LoadKind::Import)) {
        return result(LibraryStatus::Failed, sentence("Cannot read the default file: " + loadError->describe()));
    }
    unit.unit.id = id;
    unit.unit.alias = alias;
    unit.unit.type = std::string(type);
    LibraryResult saved = SaveUnit(unit);
    if (saved.done()) config = std::move(unit);
    return saved;
}

LibraryResult UnitLibrary::OpenUnit(const fs::path& file, UnitConfiguration& config) const {
    if (auto error = LoadUnitFile(file.string(), config)) {
        return result(LibraryStatus::Failed, sentence("Cannot open the unit: " + error->describe()));
    }
    return result(LibraryStatus::Done, {}, file);
}

LibraryResult UnitLibrary::SaveUnit(const UnitConfiguration& config) const {
    if (config.unit.id.empty()) return result(LibraryStatus::NotDone);
    if (!IsUnitIdText(config.unit.id)) {
        return result(LibraryStatus::Refused, "The unit ID \"" + TextForMessage(config.unit.id) +
                                                  "\" is not 10 digits, so it cannot name a unit file.");
    }
    if (auto problem = AliasProblem(config.unit.alias)) return result(LibraryStatus::Refused, *problem);
    std::error_code error;
    fs::create_directories(unitsFolder(), error);
    return SaveUnitFile(unitsFolder() / FileSystemName(UnitFileName(config.unit)), config);
}

LibraryResult UnitLibrary::SaveUnitFile(const fs::path& file, const UnitConfiguration& config) const {
    // Another program saving the same ID at the same moment must not tidy away this file, nor this save
    // that program's: one save writes and tidies at a time.
    const FolderLock lock(file.parent_path());
    if (auto error = WriteUnitFile(file.string(), config)) {
        return result(LibraryStatus::Failed,
                      sentence("Cannot save the unit: " + PathForMessage(file) + ": " + error->reason));
    }

    // Only one file per ID: a unit saved under a new alias leaves no file with its old alias.
    const std::optional<std::string> written = NameFromFileSystem(file.filename());
    const auto id = written ? UnitIdOfName(*written) : std::nullopt;
    if (!id || id->empty()) return result(LibraryStatus::Done, {}, file);
    std::vector<fs::path> others;
    forEachFileName(file.parent_path(), kUnitFileExtension, [&](const std::string& name, const fs::path& path) {
        const auto otherId = UnitIdOfName(name);
        if (otherId && FileNamesEqual(*otherId, *id) && !FileNamesEqual(name, *written)) others.push_back(path);
        return true;
    });
    std::string warning;
    for (const fs::path& other : others) {
        std::error_code error;
        fs::remove(other, error);
        if (error && warning.empty()) {
            warning = "The unit is saved, but its old file " + quoted(other) + " could not be deleted: " +
                      error.message() + ".";
        }
    }
    return result(LibraryStatus::Done, warning, file);
}

LibraryResult UnitLibrary::PromptSaveUnit(const UnitConfiguration& config, Consent consent) const {
    if (config.unit.id.empty()) return result(LibraryStatus::NotDone);
    if (consent != Consent::Given) return confirm(std::string(kSaveUnitQuestion), kSaveUnitTitle);
    return SaveUnit(config);
}

LibraryResult UnitLibrary::DeleteUnit(std::string_view entry, Consent consent) const {
    if (entry.empty()) return result(LibraryStatus::NotDone);
    const fs::path file = unitsFolder() / FileSystemName(std::string(entry) + std::string(kUnitFileExtension));
    std::error_code error;
    if (!canNameUnitFile(entry) || !fs::is_regular_file(file, error)) return noSuchUnit(entry);
    if (consent != Consent::Given) return confirm(DeleteUnitQuestion(entry), kDeleteUnitTitle);
    const bool removed = fs::remove(file, error);
    if (error) {
        return result(LibraryStatus::Failed, "Cannot delete " + quoted(file) + ": " + error.message() + ".", file);
    }
    if (!removed) return noSuchUnit(entry);
    return result(LibraryStatus::Done, {}, file);
}

}  // namespace koru
