#include "cli/CliMessageBoxes.h"

#include "cli/CliSupport.h"

namespace koru::cli {

void CliMessageBoxes::show(const std::string& text, const std::string&, MessageIcon) { PrintError(text); }

bool CliMessageBoxes::ask(const std::string& text, const std::string&) {
    PrintError(text);
    return false;
}

}  // namespace koru::cli
