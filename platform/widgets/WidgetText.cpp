#include "platform/widgets/WidgetText.h"

#include <QLineEdit>
#include <QStringDecoder>
#include <QStringEncoder>

namespace koru {

QString ToWidgetText(std::string_view bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> FromWidgetText(const QString& text) {
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes.toStdString();
}

bool IsWindows1252(const QString& text) { return FromWidgetText(text).has_value(); }

TypingValidator::TypingValidator(QLineEdit* field, int limit)
    : QValidator(field), limit_(limit), held_(field->text().size()) {
    // The field's own text already holds the edit while it is validated; remember the length before it.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { held_ = text.size(); });
}

QValidator::State TypingValidator::validate(QString& input, int&) const {
    if (!IsWindows1252(input)) return Invalid;
    if (limit_ > 0 && input.size() > limit_ && input.size() > held_) return Invalid;
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
