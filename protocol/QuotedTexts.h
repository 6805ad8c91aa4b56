#pragma once

// The texts the records carry between double quotes, nothing escaped: the unit's alias (record 1), the
// texts that raise message events (record 7) and the first characters of the texts that message actions
// send (record 10). Such a text cannot carry the quote (it ends the text), the record's separators ";"
// and ":", nor a line break (it ends the line): the unit would get something other than the editor shows.

#include <string_view>
#include <vector>

#include "model/SettingCatalog.h"
#include "protocol/SendSelection.h"
#include "protocol/UnitCheck.h"

namespace koru {

// The characters a quoted text cannot carry.
inline constexpr std::string_view kUncarriedCharacters{"\";:\r\n", 5};

// Whether the setting's text goes to the unit between quotes (the editor refuses typing the characters).
bool IsQuotedText(const Setting& setting);

// One finding for every character of kUncarriedCharacters that a quoted text of `record` holds where it
// is sent, naming the setting and the character; none for records that carry no quoted text.
std::vector<CheckFinding> UncarriedCharacters(const UnitConfiguration& config, Record record);

}  // namespace koru
