// Telling UTF-8 from Windows-1252, and the rewrite of Windows-1252 as UTF-8.
#include "cipher/TextEncoding.h"

#include "plaintext/HighBytes.h"
#include "plaintext/Lines.h"
#include "plaintext/Windows1252.h"

#include <algorithm>
#include <vector>

namespace cipher {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The sequence that starts at `at` (a byte above 7F): its length and whether it is well-formed.
// An ill-formed one is its longest start that a well-formed sequence could have (at least the
// one byte), so a cut or damaged character counts once.
struct Sequence {
    std::size_t length = 1;
    bool wellFormed = false;
};

Sequence sequenceAt(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0;
    };
    const unsigned char lead = byte(0);
    // The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    if (byte(1) < low || byte(1) > high)
        return {};
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byte(i)))
            return {i, false};
    }
    return {length, true};
}

std::size_t sequenceLength(std::string_view bytes, std::size_t at) {
    const Sequence sequence = sequenceAt(bytes, at);
    return sequence.wellFormed ? sequence.length : 0;
}

// A character of the basic plane (every one of Windows-1252, and U+FFFD) as one to three
// bytes of UTF-8.
void appendUtf8(std::string &out, char32_t unit) {
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

} // namespace

bool holdsHighByte(std::string_view bytes) {
    return plaintext::nextHighByte(bytes) < bytes.size();
}

std::size_t utf8Characters(std::string_view bytes) {
    return static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = plaintext::nextHighByte(bytes);
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            i = plaintext::nextHighByte(bytes, i + 1);
        } else if (lead >= 0xC2 && lead <= 0xDF && i + 1 < bytes.size() &&
                   isContinuation(static_cast<unsigned char>(bytes[i + 1]))) {
            i += 2; // the two bytes of most letters beyond ASCII, checked without more ado
        } else {
            const std::size_t length = sequenceLength(bytes, i);
            if (length == 0)
                return false;
            i += length;
        }
    }
    return true;
}

bool forEachUtf8Character(std::string_view bytes, const std::function<void(char32_t)> &take) {
    // The lead byte's payload bits for sequences of two, three and four bytes.
    static constexpr unsigned char leadBits[] = {0, 0, 0x1F, 0x0F, 0x07};
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80 ? 1 : sequenceLength(bytes, i);
        if (length == 0)
            return false;
        char32_t character = length == 1 ? lead : lead & leadBits[length];
        for (std::size_t k = 1; k < length; ++k)
            character = character << 6 | (static_cast<unsigned char>(bytes[i + k]) & 0x3Fu);
        take(character);
        i += length;
    }
    return true;
}

std::optional<std::u32string> decodeUtf8(std::string_view bytes) {
    std::u32string characters;
    if (!decodeUtf8(bytes, characters))
        return std::nullopt;
    return characters;
}

Encoding encodingOf(std::string_view bytes) {
    return holdsHighByte(bytes) && isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

Utf8Tally tallyUtf8(std::string_view bytes) {
    Utf8Tally tally;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const Sequence sequence = sequenceAt(bytes, i);
        ++(sequence.wellFormed ? tally.wellFormed : tally.illFormed);
        i += sequence.length;
    }
    return tally;
}

std::string withReplacementCharacters(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const Sequence sequence =
            static_cast<unsigned char>(bytes[i]) < 0x80 ? Sequence{1, true} : sequenceAt(bytes, i);
        if (sequence.wellFormed)
            out.append(bytes.substr(i, sequence.length));
        else
            appendUtf8(out, replacementCharacter);
        i += sequence.length;
    }
    return out;
}

std::string readAfterDamage(std::string_view bytes) {
    const Utf8Tally tally = tallyUtf8(bytes);
    if (tally.illFormed > 0 && tally.wellFormed > tally.illFormed)
        return withReplacementCharacters(bytes);
    return std::string(bytes);
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes)
        appendUtf8(out, plaintext::windows1252::toCharacter(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8TextOfFile(std::string_view bytes) {
    const std::string_view afterMark =
        bytes.starts_with(utf8Mark) ? bytes.substr(utf8Mark.size()) : bytes;
    const std::string text =
        isValidUtf8(afterMark) ? std::string(afterMark) : windows1252ToUtf8(bytes);
    const std::vector<std::string_view> lines = plaintext::splitLines(text);
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t at = 0; at < lines.size(); ++at)
        (joined += at == 0 ? "" : "\n") += lines[at];
    return joined;
}

} // namespace cipher
