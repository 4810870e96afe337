// UTF-8 decoding and the conversion of a phrase to Windows-1252, through the code page table
// the editor uses.
#include "PhraseEncoding.h"

#include "CliError.h"

#include "cipher/Windows1252.h"

#include <cstdio>

namespace qvl {
namespace {

struct SequenceShape {
    int continuationBytes;
    char32_t leadBits;
    char32_t smallest; // anything below is an overlong form
};

std::optional<SequenceShape> shapeOf(unsigned char lead) {
    if (lead < 0x80)
        return SequenceShape{0, lead, 0};
    if ((lead & 0xE0) == 0xC0)
        return SequenceShape{1, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0)
        return SequenceShape{2, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0)
        return SequenceShape{3, lead & 0x07u, 0x10000};
    return std::nullopt;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

std::string codePointName(char32_t character) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return name;
}

} // namespace

std::optional<std::u32string> decodeUtf8(std::string_view bytes) {
    std::u32string characters;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto shape = shapeOf(static_cast<unsigned char>(bytes[i++]));
        if (!shape || bytes.size() - i < static_cast<std::size_t>(shape->continuationBytes))
            return std::nullopt;
        char32_t character = shape->leadBits;
        for (int k = 0; k < shape->continuationBytes; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i++]);
            if (!isContinuation(next))
                return std::nullopt;
            character = character << 6 | (next & 0x3Fu);
        }
        const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
        if (character < shape->smallest || surrogate || character > 0x10FFFF)
            return std::nullopt;
        characters += character;
    }
    return characters;
}

std::string windows1252Phrase(std::string_view raw, const std::string &source) {
    const auto characters = decodeUtf8(raw);
    if (!characters)
        return std::string(raw);
    std::string bytes;
    for (const char32_t character : *characters) {
        const int byte = cipher::windows1252::toByte(character);
        if (byte < 0)
            throw CliError("qvl: the phrase " + source + " holds " + codePointName(character) +
                               ", a character that Windows-1252 cannot hold",
                           UsageOrFileError);
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

} // namespace qvl
