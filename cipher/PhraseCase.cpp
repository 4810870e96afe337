// Windows-1252 upper-casing: a-z, the accented small letters 0xE0..0xFE but the division sign
// 0xF7, and the four small letters whose capitals stand in 0x80..0x9F.
#include "cipher/PhraseCase.h"

#include "plaintext/Windows1252.h"

namespace cipher {

bool phraseCharacterHeld(char32_t character) {
    return plaintext::windows1252::toByte(character) >= 0;
}

char upperCasePhraseByte(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    const bool asciiSmall = code >= 'a' && code <= 'z';
    const bool latinSmall = code >= 0xE0 && code <= 0xFE && code != 0xF7;
    if (asciiSmall || latinSmall)
        return static_cast<char>(code - 0x20);
    switch (code) {
    case 0x9A: // s with caron
    case 0x9C: // ligature oe
    case 0x9E: // z with caron
        return static_cast<char>(code - 0x10);
    case 0xFF: // y with diaeresis
        return static_cast<char>(0x9F);
    default:
        return byte;
    }
}

} // namespace cipher
