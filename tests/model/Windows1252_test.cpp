#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>
#include <string>

#include "model/Windows1252.h"

namespace koru {
namespace {

// One character as a QString (QString::fromUcs4 would drop U+FEFF as a byte-order mark).
QString QStringOf(char32_t character) {
    if (QChar::requiresSurrogates(character)) {
        const QChar pair[] = {QChar(QChar::highSurrogate(character)), QChar(QChar::lowSurrogate(character))};
        return QString(pair, 2);
    }
    return QString(QChar(static_cast<char16_t>(character)));
}

std::string Utf8Of(char32_t character) { return QStringOf(character).toUtf8().toStdString(); }

// What Qt's codec, which the editor's widgets use, makes of one character: its byte, or nullopt when it
// cannot hold it. The character follows an "a", or Qt would drop U+FEFF as a byte-order mark.
std::optional<char> QtByteOf(char32_t character) {
    QStringEncoder encode("windows-1252");
    const QByteArray bytes = encode(QString("a") + QStringOf(character));
    if (encode.hasError() || bytes.size() != 2) return std::nullopt;
    return bytes[1];
}

TEST(Windows1252, EveryByteSurvivesTheWayThroughUtf8) {
    for (int value = 0; value <= 0xFF; ++value) {
        const std::string byte(1, static_cast<char>(value));
        std::string back;
        EXPECT_FALSE(Utf8ToWindows1252(Windows1252ToUtf8(byte), back)) << "byte " << value;
        EXPECT_EQ(back, byte) << "byte " << value;
    }
}

TEST(Windows1252, DecodesEveryByteAsQtDoes) {
    QStringDecoder decode("windows-1252");
    ASSERT_TRUE(decode.isValid());
    for (int value = 1; value <= 0xFF; ++value) {
        const QString qt = decode(QByteArray(1, static_cast<char>(value)));
        EXPECT_EQ(Windows1252ToUtf8(std::string(1, static_cast<char>(value))), qt.toUtf8().toStdString())
            << "byte " << value;
    }
}

// Every character of the basic plane, and some beyond: this codec holds exactly what Qt's holds, with
// the same byte, so the window and korucfg store a text alike.
TEST(Windows1252, EncodesEveryCharacterAsQtDoes) {
    int held = 0;
    for (char32_t character = 1; character < 0x10100; ++character) {
        if (character >= 0xD800 && character <= 0xDFFF) continue;
        std::string bytes;
        const std::optional<EncodingProblem> problem = Utf8ToWindows1252(Utf8Of(character), bytes);
        const std::optional<char> expected = QtByteOf(character);
        ASSERT_EQ(!problem.has_value(), expected.has_value()) << "U+" << std::hex << static_cast<unsigned>(character);
        if (expected) {
            ++held;
            ASSERT_EQ(bytes, std::string(1, *expected)) << "U+" << std::hex << static_cast<unsigned>(character);
        } else {
            EXPECT_EQ(problem->character, character);
        }
    }
    EXPECT_EQ(held, 255);
}

TEST(Windows1252, RefusesWhatItCannotHoldAndSaysWhere) {
    struct Case {
        const char* name;
        std::string utf8;
        std::size_t offset;
        char32_t character;  // 0: not UTF-8
        const char* reason;
    };
    const Case cases[] = {
        {"a letter outside the set", "Pu\xC5\x81", 2, 0x141,
         "the character \"\xC5\x81\" (U+0141) is not in the Windows-1252 character set"},
        {"a control character outside the set", "a\xC2\x80", 1, 0x80,
         "the character U+0080 is not in the Windows-1252 character set"},
        {"a character beyond the basic plane", "\xF0\x9F\x98\x80", 0, 0x1F600,
         "the character \"\xF0\x9F\x98\x80\" (U+1F600) is not in the Windows-1252 character set"},
        {"a raw Windows-1252 byte", "P\xFCmp", 1, 0, "the text is not UTF-8 text"},
        {"a lone continuation byte", "\x80", 0, 0, "the text is not UTF-8 text"},
        {"an overlong form", "ab\xC0\xAF", 2, 0, "the text is not UTF-8 text"},
        {"a surrogate", "\xED\xA0\x80", 0, 0, "the text is not UTF-8 text"},
        {"a cut-off character", "x\xE2\x82", 1, 0, "the text is not UTF-8 text"},
        {"above the last code point", "\xF4\x90\x80\x80", 0, 0, "the text is not UTF-8 text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = "old";
        const std::optional<EncodingProblem> problem = Utf8ToWindows1252(c.utf8, bytes);
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->offset, c.offset);
        EXPECT_EQ(problem->character, c.character);
        EXPECT_EQ(problem->describe(), c.reason);
        EXPECT_EQ(bytes, "");
    }
}

TEST(Windows1252, MessagesShowControlCharactersAsQuestionMarks) {
    EXPECT_EQ(TextForMessage("a\r\nb\x81\xFC"), "a??b?\xC3\xBC");
    for (const char control : {'\0', '\x1F', '\x7F', '\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        EXPECT_TRUE(IsWindows1252Control(control)) << static_cast<int>(static_cast<unsigned char>(control));
    }
    for (const char printable : {' ', '~', '\x80', '\x9F', '\xA0', '\xFF'}) {
        EXPECT_FALSE(IsWindows1252Control(printable)) << static_cast<int>(static_cast<unsigned char>(printable));
    }
}

}  // namespace
}  // namespace koru
