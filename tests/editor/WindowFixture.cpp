#include "tests/editor/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "editor/ChoiceBox.h"
#include "editor/ListBox.h"
#include "platform/widgets/WidgetText.h"

namespace koru::test {

void WindowFixture::showTabOf(QWidget* control) {
    auto* tabs = WindowControl<QTabWidget>(window.get(), QStringLiteral("sstEvents"));
    for (int index = 0; index < tabs->count(); ++index) {
        if (tabs->widget(index)->isAncestorOf(control)) tabs->setCurrentIndex(index);
    }
}

std::string Normalized(const std::string& bytes) {
    UnitConfiguration config;
    const auto error = LoadUnitText(bytes, config);
    EXPECT_FALSE(error.has_value()) << (error ? error->describe() : std::string());
    return UnitFileText(config);
}

::testing::AssertionResult SameUnitFile(const std::string& actual, const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const QList<QByteArray> a = QByteArray::fromStdString(actual).split('\n');
    const QList<QByteArray> b = QByteArray::fromStdString(expected).split('\n');
    for (qsizetype line = 0; line < std::max(a.size(), b.size()); ++line) {
        const QByteArray got = line < a.size() ? a[line] : QByteArray("<end of file>");
        const QByteArray want = line < b.size() ? b[line] : QByteArray("<end of file>");
        if (got != want) {
            return ::testing::AssertionFailure() << "line " << line + 1 << ": \"" << got.trimmed().toStdString()
                                                 << "\", expected \"" << want.trimmed().toStdString() << "\"";
        }
    }
    return ::testing::AssertionFailure() << "the files differ";
}

QString Name(const Setting& setting, int index) {
    return QString::fromStdString(ControlName(setting, index));
}

std::string Shown(QWidget* control) {
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) text = edit->text();
    if (auto* box = qobject_cast<ChoiceBox*>(control)) text = box->value();
    if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
    if (auto* check = qobject_cast<QCheckBox*>(control)) text = check->isChecked() ? "1" : "0";
    if (auto* option = qobject_cast<QRadioButton*>(control)) text = option->isChecked() ? "1" : "0";
    if (auto* list = qobject_cast<ListBox*>(control)) text = list->texts().join(',');
    return FromWidgetText(text).value_or("<not Windows-1252>");
}

void ShowItsRow(QWidget* field) {
    if (QWidget* row = field->parentWidget(); row != nullptr && row->isHidden()) row->show();
}

void Retype(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    if (auto* box = qobject_cast<QComboBox*>(field); box && box->lineEdit()) box->lineEdit()->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
        return;
    }
    TypeText(field, text);
}

void TypeText(QWidget* field, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(field, &release);
    }
}

}  // namespace koru::test
