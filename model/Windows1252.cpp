#include "model/Windows1252.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace koru {

namespace {

// The characters of the bytes 0x80-0x9F; every other byte is the Unicode character of the same number.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes the character at `at` and moves past it; nullopt for bytes that are not UTF-8 (overlong forms,
// surrogates and values above U+10FFFF included).
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, lowest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    at += length;
    return c;
}

}  // namespace

char32_t Windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t{byte};
}

std::optional<unsigned char> Windows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<unsigned char>(character);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string EncodingProblem::describe() const {
    if (character == 0) return "the text is not UTF-8 text";
    std::string shown;
    AppendUtf8(character, shown);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    // A control character would garble the message, so only its number is shown.
    const bool printable = character >= 0x20 && !(character >= 0x7F && character <= 0x9F);
    return "the character " + (printable ? "\"" + shown + "\" (" + code + ")" : std::string(code)) +
           " is not in the Windows-1252 character set";
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) AppendUtf8(Windows1252Character(static_cast<unsigned char>(byte)), out);
    return out;
}

std::optional<EncodingProblem> Utf8ToWindows1252(std::string_view utf8, std::string& bytes) {
    bytes.clear();
    bytes.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const std::size_t start = at;
        const std::optional<char32_t> character = NextCharacter(utf8, at);
        const std::optional<unsigned char> byte = character ? Windows1252Byte(*character) : std::nullopt;
        if (!byte) {
            bytes.clear();
            return EncodingProblem{start, character.value_or(0)};
        }
        bytes.push_back(static_cast<char>(*byte));
    }
    return std::nullopt;
}

std::string TextForMessage(std::string_view bytes) {
    std::string shown(bytes);
    for (char& byte : shown) {
        if (IsWindows1252Control(byte)) byte = '?';
    }
    return Windows1252ToUtf8(shown);
}

bool IsWindows1252Control(char byte) {
    const char32_t character = Windows1252Character(static_cast<unsigned char>(byte));
    return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

}  // namespace koru
