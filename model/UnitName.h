#pragma once

// How a unit is named in the library: its padded ID, its alias, the unit file "ID(alias).kuf" and the unit
// entry ("ID(alias)") by which every list names it. The checks here keep every name a safe file name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/UnitConfiguration.h"

namespace koru {

inline constexpr std::size_t kUnitIdLength = 10;
// The unit protocol carries unit numbers in 32 bits.
inline constexpr std::uint64_t kHighestUnitNumber = 4294967295U;

inline constexpr std::string_view kUnitFileExtension = ".kuf";
inline constexpr std::string_view kDefaultFileExtension = ".kdf";

// The ID text as typed, without leading and trailing blanks, padded on the left with "0" to 10 characters.
// Longer texts are returned trimmed but otherwise unchanged (and then fail UnitIdProblem).
std::string PadUnitId(std::string_view typed);

// Why an ID as typed cannot be used for a new unit, as one sentence; nullopt when it can. Refused are an
// empty ID, one that is not all digits once padded (so "000000012.5" too), and one above the highest unit
// number.
std::optional<std::string> UnitIdProblem(std::string_view typed);

// True when the ID is 10 decimal digits, which is all a file name needs of it.
bool IsUnitIdText(std::string_view id);

// Why an alias cannot be part of a unit file name, as one sentence; nullopt when it can. Refused are the
// characters \ / : * ? " < > | (folder separators, or refused by Windows and USB sticks), control
// characters, leading or trailing blanks (a unit file trims them), "," (it splits lists), the alias "-"
// (a unit file reads it as no alias) and aliases too long for a file name.
std::optional<std::string> AliasProblem(std::string_view alias);

// Why a unit type cannot name a default file in the default files folder; nullopt when it can. The
// characters refused in an alias are refused here too.
std::optional<std::string> UnitTypeProblem(std::string_view type);

// "ID(alias).kuf", in Windows-1252 like the alias; FileSystemName gives the name on disk.
std::string UnitFileName(const UnitIdentity& unit);

// The unit entry of a unit file name: the name without its ".kuf" extension. An alias may hold ".", so
// the name is not cut at its first ".".
std::string UnitEntryOf(std::string_view fileName);

// The ID part of a unit file name or entry: the text before its first "("; nullopt when there is no "(".
std::optional<std::string_view> UnitIdOfName(std::string_view name);

}  // namespace koru
