#pragma once

// The one place where the unit's Windows-1252 bytes meet the widgets' Unicode text. Every byte 0x01-0xFF
// has a character; a character that Windows-1252 cannot hold is refused, never replaced.

#include <QString>
#include <QValidator>

#include <optional>
#include <string>
#include <string_view>

class QLineEdit;

namespace koru {

// The bytes as the widgets show them.
QString ToWidgetText(std::string_view bytes);

// The text as bytes; nullopt when it holds a character that Windows-1252 cannot hold.
std::optional<std::string> FromWidgetText(const QString& text);

// Whether every character of `text` has a Windows-1252 byte.
bool IsWindows1252(const QString& text);

// Lets the user type only characters that Windows-1252 can hold, none of `refused`, and no more than
// `limit` characters (0: no limit). Text the program sets (through SetFieldText) is never cut: a field that
// already holds more than the limit, or a refused character, may lose them but gain no more.
class TypingValidator : public QValidator {
public:
    TypingValidator(QLineEdit* field, int limit, QString refused = {});
    State validate(QString& input, int& position) const override;

private:
    qsizetype refusedIn(const QString& text) const;

    int limit_;
    QString refused_;
    qsizetype held_ = 0;         // the field's length before the edit being validated
    qsizetype heldRefused_ = 0;  // refused characters it held then
};

// Sets a field's text as the program, past its typing rules (a loaded alias of 25 characters stays whole).
void SetFieldText(QLineEdit* field, const QString& text);

}  // namespace koru
