#pragma once

// The text of a text field or a drop-down as the unit's bytes, both ways.

#include <string>

class QWidget;

namespace koru {

// The text a text field or drop-down holds, as Windows-1252 bytes; empty for any other widget (its validator
// lets no character in that Windows-1252 cannot hold).
std::string FieldText(const QWidget* field);

// Puts `bytes` into a text field or drop-down the way the program does (a typing limit never cuts it);
// nothing happens when the field shows them already.
void ShowFieldText(QWidget* field, const std::string& bytes);

}  // namespace koru
