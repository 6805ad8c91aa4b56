#pragma once

// The unit library: the folders "Units" and "Parameter files" under one root, the default files in
// "Default Files" (under the root unless given apart), one unit file per unit, and new units made from
// the default file of their type.
// Operations report what they did as a LibraryResult; one that needs the user's consent returns its question
// first and is called again with the consent. None of them shows anything itself. Entries, aliases and types are Windows-1252 text like the unit
// files; file names are converted to and from the file system's encoding (FileNames.h), and a file whose
// name cannot be converted, or holds a control character, is not one of the library's.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/LibraryQuestions.h"
#include "model/LibraryResult.h"
#include "model/UnitConfiguration.h"
#include "model/UnitLists.h"

namespace koru {

class UnitLibrary {
public:
    explicit UnitLibrary(std::filesystem::path root);
    // A library whose default files come from another folder, such as the ones installed with the program.
    UnitLibrary(std::filesystem::path root, std::filesystem::path defaultFiles);

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path unitsFolder() const;
    std::filesystem::path defaultFilesFolder() const;
    std::filesystem::path parameterFilesFolder() const;
    // Unsaved edits of the windows working on this library (RecoveryFile, LeftEdits).
    std::filesystem::path recoveryFolder() const;

    // Start-up: creates "Units" and "Parameter files" when they are missing, then RemoveUnfinishedSaves.
    LibraryResult CreateFolders() const;

    // Removes from "Units" the temporary files of saves that were killed before they finished.
    void RemoveUnfinishedSaves() const;

    // Why the unit files cannot be listed (the library folder is missing or is no folder, the units
    // folder cannot be read); nullopt when they can. A library without a units folder has no units yet.
    std::optional<std::string> UnitsFolderProblem() const;

    // The unit entries of all unit files, sorted by name so every list shows them in the same order.
    std::vector<std::string> UnitEntries() const;

    // The unit list and both destination lists, with their fixed entries in place.
    UnitLists RefreshUnitLists() const;

    // True when a unit file's ID part (before its first "(") equals `paddedId`.
    bool UnitIdExists(std::string_view paddedId) const;

    // The unit types that have a default file: the default file names without ".kdf", sorted.
    std::vector<std::string> ListDefaultFiles() const;

    // Creates a unit from the default file of `type` and saves it. The default file is imported over
    // `config` (its Unit section is ignored), then the unit gets its ID, alias and type. An existing ID is
    // replaced only with the user's consent. On anything but Done, `config` is unchanged; on Done it holds
    // the new unit. The caller refreshes its lists afterwards.
    LibraryResult NewUnit(std::string_view idText, std::string_view aliasText, std::string_view type,
                          UnitConfiguration& config, Consent consent) const;

    // Loads a unit file over `config`; on failure `config` is unchanged.
    LibraryResult OpenUnit(const std::filesystem::path& file, UnitConfiguration& config) const;

    // Writes the open unit to its file "ID(alias).kuf" and removes the other files of its ID.
    // NotDone when no unit is open (empty ID).
    LibraryResult SaveUnit(const UnitConfiguration& config) const;

    // Writes `config` to `file`, then deletes every other unit file of the same ID in that folder (never
    // `file` itself), holding the folder's lock throughout. A failed write deletes nothing.
    LibraryResult SaveUnitFile(const std::filesystem::path& file, const UnitConfiguration& config) const;

    // Offers to save the open unit: saves it with the user's consent; NotDone when no unit is open.
    LibraryResult PromptSaveUnit(const UnitConfiguration& config, Consent consent) const;

    // Deletes the unit file of `entry` with the user's consent. An empty entry (nothing chosen) is NotDone.
    LibraryResult DeleteUnit(std::string_view entry, Consent consent) const;

private:
    // Calls `visit` with the Windows-1252 name and the path of every file of the library's in `folder`
    // that has `extension`; stops when it returns false.
    using FileVisitor = std::function<bool(const std::string& name, const std::filesystem::path& path)>;
    static void forEachFileName(const std::filesystem::path& folder, std::string_view extension,
                                const FileVisitor& visit);

    std::filesystem::path root_;
    std::filesystem::path defaultFiles_;
};

}  // namespace koru
