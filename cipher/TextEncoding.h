// The two encodings a text can have, Windows-1252 and UTF-8: telling them apart from the bytes,
// and a Windows-1252 text rewritten as UTF-8. Standard C++ only, so the qvl tool shares it.
#pragma once

#include "plaintext/ByteOrderMark.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace cipher {

enum class Encoding { Windows1252, Utf8 };

// The UTF-8 byte-order mark, EF BB BF.
using plaintext::utf8Mark;

// True when a byte is above 7F: the bytes are not plain ASCII.
[[nodiscard]] bool holdsHighByte(std::string_view bytes);

// True when the bytes are well-formed UTF-8: no overlong form, no surrogate, nothing above
// U+10FFFF, no sequence cut short.
bool isValidUtf8(std::string_view bytes);

// The number of characters of UTF-8: the bytes that do not continue a character.
std::size_t utf8Characters(std::string_view bytes);

// Hands each character of well-formed UTF-8 to `take`, in order; false when the bytes are not
// well-formed (after the characters before the first fault).
bool forEachUtf8Character(std::string_view bytes, const std::function<void(char32_t)> &take);

// The characters of well-formed UTF-8 appended to `characters` (a string that wipes itself,
// for a phrase); false when the bytes are not well-formed.
template <class Characters> bool decodeUtf8(std::string_view bytes, Characters &characters) {
    return forEachUtf8Character(bytes, [&characters](char32_t c) { characters.push_back(c); });
}

// The characters of well-formed UTF-8, or nothing when the bytes are not well-formed.
std::optional<std::u32string> decodeUtf8(std::string_view bytes);

// UTF-8 when the bytes are valid UTF-8 holding at least one byte above 7F; any other text is
// Windows-1252. Pure ASCII reads the same either way, so it stays Windows-1252.
Encoding encodingOf(std::string_view bytes);

// How many sequences of bytes above 7F are well-formed UTF-8 characters, and how many are not
// (each ill-formed sequence is its longest start that a character could have, at least a byte).
struct Utf8Tally {
    std::size_t wellFormed = 0;
    std::size_t illFormed = 0;
};
Utf8Tally tallyUtf8(std::string_view bytes);

// U+FFFD, which stands for a character that could not be read.
inline constexpr char32_t replacementCharacter = 0xFFFD;

// The bytes as well-formed UTF-8: every ill-formed sequence (as tallyUtf8 counts them) becomes
// U+FFFD, everything else stays.
std::string withReplacementCharacters(std::string_view bytes);

// A text read from a damaged block (one that ended early or whose checksum differs): when its
// well-formed UTF-8 characters outnumber its ill-formed sequences, it was UTF-8 before the
// damage, and comes back as UTF-8 with U+FFFD for each ill-formed sequence; else as it is.
std::string readAfterDamage(std::string_view bytes);

// The Windows-1252 bytes as UTF-8, each byte the character the editor's code page gives it.
std::string windows1252ToUtf8(std::string_view bytes);

// A file's bytes as a method that carries its text as UTF-8 takes them, read as the editor reads
// a file: UTF-8 when they are well-formed UTF-8 (a leading mark dropped), else Windows-1252
// rewritten as UTF-8; every CR LF, lone CR and lone LF one LF.
std::string utf8TextOfFile(std::string_view bytes);

} // namespace cipher
