#include "platform/widgets/WidgetText.h"

#include <QLineEdit>

#include "model/Windows1252.h"

namespace koru {

// Every Windows-1252 character is one UTF-16 unit, so texts convert a character at a time through the
// model's table, the one the files and korucfg use: a window shows thousands of texts, and a general
// converter costs more per text than the text itself.
QString ToWidgetText(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        *out++ = QChar(static_cast<char16_t>(Windows1252Character(static_cast<unsigned char>(byte))));
    }
    return text;
}

std::optional<std::string> FromWidgetText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        // Half of a character beyond U+FFFF has no byte, nor has any character the set does not hold.
        if (character.isSurrogate()) return std::nullopt;
        const std::optional<unsigned char> byte = Windows1252Byte(character.unicode());
        if (!byte) return std::nullopt;
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}

bool IsWindows1252(const QString& text) { return FromWidgetText(text).has_value(); }

TypingValidator::TypingValidator(QLineEdit* field, int limit, QString refused)
    : QValidator(field),
      limit_(limit),
      refused_(std::move(refused)),
      held_(field->text().size()),
      heldRefused_(refusedIn(field->text())) {
    // The field's own text already holds the edit while it is validated; remember what it held before.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
        held_ = text.size();
        heldRefused_ = refusedIn(text);
    });
}

qsizetype TypingValidator::refusedIn(const QString& text) const {
    qsizetype count = 0;
    for (const QChar character : refused_) count += text.count(character);
    return count;
}

QValidator::State TypingValidator::validate(QString& input, int&) const {
    if (!IsWindows1252(input)) return Invalid;
    if (limit_ > 0 && input.size() > limit_ && input.size() > held_) return Invalid;
    if (!refused_.isEmpty() && refusedIn(input) > heldRefused_) return Invalid;
    return Acceptable;
}

void SetFieldText(QLineEdit* field, const QString& text) {
    // QLineEdit validates text set by the program too, and an over-long text would then switch the typing
    // limit off; without its validator the text goes in as it is.
    const QValidator* validator = field->validator();
    field->setValidator(nullptr);
    field->setText(text);
    field->setValidator(validator);
}

}  // namespace koru
