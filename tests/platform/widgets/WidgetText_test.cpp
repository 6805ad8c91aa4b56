#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include "platform/widgets/WidgetText.h"

namespace koru {
namespace {

TEST(WidgetText, EveryByteSurvivesTheWayToTheWidgetAndBack) {
    std::string all;
    for (int byte = 1; byte <= 0xFF; ++byte) all.push_back(static_cast<char>(byte));
    const QString shown = ToWidgetText(all);
    EXPECT_EQ(shown.size(), 255);
    EXPECT_EQ(shown.at(0xFC - 1), QChar(0x00FC));  // ü
    EXPECT_EQ(shown.at(0x80 - 1), QChar(0x20AC));  // €
    EXPECT_EQ(FromWidgetText(shown), all);
}

// The window's conversion is Qt's own "windows-1252" codec, byte for byte and character for character.
TEST(WidgetText, AgreesWithQtsCodecOnEveryByteAndCharacter) {
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const std::string bytes(1, static_cast<char>(byte));
        QStringDecoder decoder("windows-1252");
        EXPECT_EQ(ToWidgetText(bytes), decoder.decode(QByteArray::fromStdString(bytes))) << byte;
    }
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        const QString text(QChar(static_cast<char16_t>(unit)));
        // Half of a character beyond U+FFFF is refused; Qt's encoder would wait for the other half and,
        // at the text's end, give nothing, which would lose the character.
        if (text.front().isSurrogate()) {
            ASSERT_FALSE(FromWidgetText(text).has_value()) << "U+" << std::hex << static_cast<unsigned>(unit);
            continue;
        }
        QStringEncoder encoder("windows-1252");
        const QByteArray encoded = encoder.encode(text);
        const std::optional<std::string> expected =
            encoder.hasError() ? std::nullopt : std::optional<std::string>(encoded.toStdString());
        ASSERT_EQ(FromWidgetText(text), expected) << "U+" << std::hex << static_cast<unsigned>(unit);
    }
    EXPECT_FALSE(FromWidgetText(QString::fromUtf8("\xF0\x9F\x98\x80")).has_value());  // beyond U+FFFF
}

TEST(WidgetText, CharactersWindows1252CannotHoldAreRefused) {
    EXPECT_EQ(FromWidgetText(QString::fromUtf8("P\xC3\xBCmp \xC3\x98st")), std::string("P\xFCmp \xD8st"));
    EXPECT_FALSE(FromWidgetText(QString::fromUtf8("\xC5\x81\xC3\xB3" "d\xC5\xBA")).has_value());  // Łódź
    EXPECT_FALSE(IsWindows1252(QString::fromUtf8("\xE2\x9C\x93")));                          // ✓
}

TEST(TypingValidator, LimitsTypingButNeverCutsWhatTheProgramSet) {
    QLineEdit field;
    field.setValidator(new TypingValidator(&field, 4));
    QTest::keyClicks(&field, "123456");
    EXPECT_EQ(field.text(), "1234");

    SetFieldText(&field, "abcdefgh");  // a loaded value longer than the limit stays whole
    EXPECT_EQ(field.text(), "abcdefgh");
    field.end(false);
    QTest::keyClick(&field, Qt::Key_X);
    EXPECT_EQ(field.text(), "abcdefgh");
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "abcdefg");

    SetFieldText(&field, "");
    for (const QString& typed : {QString("a"), QString::fromUtf8("\xC5\x81"), QString("b")}) {  // Ł cannot be typed
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(&field, &key);
    }
    EXPECT_EQ(field.text(), "ab");
}

}  // namespace
}  // namespace koru
