#pragma once

// The unit, its files and the wire speak Windows-1252, one byte per character; people and file systems
// speak Unicode. These conversions are for the edges only: every byte 0x00-0xFF has one character
// (0x81, 0x8D, 0x8F, 0x90 and 0x9D the control characters U+0081 ... U+009D, as Qt's "windows-1252" codec
// does), and a character Windows-1252 cannot hold is refused, never replaced.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace koru {

// Why a UTF-8 text cannot become Windows-1252 text.
struct EncodingProblem {
    std::size_t offset = 0;  // where the offending bytes start in the UTF-8 text
    char32_t character = 0;  // the character Windows-1252 cannot hold; 0 when the bytes are not UTF-8

    // "the character "Ł" (U+0141) is not in the Windows-1252 character set", or "... is not UTF-8 text".
    std::string describe() const;
};

// The character of one byte, and the byte of one character (nullopt for a character the set cannot hold).
char32_t Windows1252Character(unsigned char byte);
std::optional<unsigned char> Windows1252Byte(char32_t character);

// The UTF-8 form of Windows-1252 bytes; always possible.
std::string Windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text into `bytes`; the problem when the text is not UTF-8 or holds a
// character Windows-1252 cannot hold (then `bytes` is left empty).
std::optional<EncodingProblem> Utf8ToWindows1252(std::string_view utf8, std::string& bytes);

// Windows-1252 text quoted in a message for people, as UTF-8: control characters, which would garble the
// message, show as "?".
std::string TextForMessage(std::string_view bytes);

// Whether the Windows-1252 byte stands for a control character (C0, DEL and the five C1 ones it holds).
bool IsWindows1252Control(char byte);

}  // namespace koru
