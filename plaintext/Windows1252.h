// Windows-1252, the code page of the editor's text and of the phrase, as a standard C++ table:
// each byte 1..255 stands for one Unicode character and each such character for its byte.
#pragma once

#include <array>
#include <cstddef>

namespace plaintext::windows1252 {

// Bytes 80..9F hold typographic characters; the five bytes the code page leaves unassigned
// (81, 8D, 8F, 90, 9D) stand for the control characters of the same number. Every other byte
// is the character of the same number.
inline constexpr std::array<char16_t, 32> highCharacters = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

// The character a byte stands for; byte 0 gives U+0000.
constexpr char32_t toCharacter(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return highCharacters[byte - 0x80u];
    return byte;
}

// The byte that holds a character, or -1 when the code page has none for it.
constexpr int toByte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<int>(character);
    for (std::size_t i = 0; i < highCharacters.size(); ++i)
        if (highCharacters[i] == character)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace plaintext::windows1252
