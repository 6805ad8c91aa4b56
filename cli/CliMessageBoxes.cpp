#include "cli/CliMessageBoxes.h"

#include "cli/CliSupport.h"

namespace koru::cli {

void CliMessageBoxes::show(const std::string& text, const std::string&, MessageIcon) { PrintError(text); }

}  // namespace koru::cli
