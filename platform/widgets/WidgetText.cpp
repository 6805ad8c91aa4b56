#include "platform/widgets/WidgetText.h"

#include <QLineEdit>
#include <QStringDecoder>
#include <QStringEncoder>

namespace koru {

// Opening a converter looks its name up among all that ICU knows, which costs more than decoding a short
// text: a window shows thousands of texts, so each thread keeps its decoder (every byte decodes, so no error
// can stay behind in it).
QString ToWidgetText(std::string_view bytes) {
    thread_local QStringDecoder decoder("windows-1252");
    decoder.resetState();
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> FromWidgetText(const QString& text) {
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes.toStdString();
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
