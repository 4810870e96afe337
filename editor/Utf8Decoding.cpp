// Decoding and checking UTF-8 a sequence at a time, the two-byte letters of most scripts beyond
// ASCII by the shortest path: the toolkit's decoder followed by a separate check would read every
// byte twice, at several times the cost. A line's extra bytes in UTF-8 are the bytes it took less
// the characters it made, so counting the lines costs a step at each line break only.
#include "editor/Utf8Decoding.h"

#include "cipher/ArmourFormat.h"

#include <cstring>

namespace editor_text {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// A character and the bytes it took; no bytes for a sequence that is not well-formed.
struct Sequence {
    char32_t character = 0;
    int length = 0;
};

// The sequence of three or four bytes at `in`, before `end`. The second byte's range rules out
// overlong forms, surrogates and values past U+10FFFF.
Sequence longSequence(const unsigned char *in, const unsigned char *end) {
    const unsigned char lead = in[0];
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    int length = 0;
    char32_t character = 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
        character = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
        character = lead & 0x07u;
    } else {
        return {};
    }
    if (end - in < length || in[1] < low || in[1] > high)
        return {};
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(in[i]))
            return {};
        character = character << 6 | (in[i] & 0x3Fu);
    }
    return {character, length};
}

bool beginsWithTag(const unsigned char *in, const unsigned char *end) {
    return std::size_t(end - in) >= cipher::armourTag.size() &&
           std::memcmp(in, cipher::armourTag.data(), cipher::armourTag.size()) == 0;
}

} // namespace

std::optional<DecodedText> decodeUtf8(std::string_view bytes) {
    // No more characters than bytes, so the text is made once at its largest and cut to size.
    DecodedText decoded{QString(qsizetype(bytes.size()), Qt::Uninitialized), {}};
    char16_t *const text = reinterpret_cast<char16_t *>(decoded.characters.data());
    char16_t *out = text;
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const unsigned char *const end = in + bytes.size();
    // Where the current line began, in the bytes and in the characters.
    const unsigned char *lineIn = in;
    const char16_t *lineOut = out;
    bool tag = beginsWithTag(in, end);
    const auto endLine = [&] { decoded.lines.append((in - lineIn) - (out - lineOut), tag); };
    while (in != end) {
        const unsigned lead = in[0];
        // ASCII from 0E on: most bytes of most text, and no line break among them.
        if (lead - 0x0Eu < 0x80u - 0x0Eu) {
            *out++ = char16_t(lead);
            ++in;
            continue;
        }
        if (lead == '\n' || lead == '\r') {
            endLine();
            in += lead == '\r' && end - in >= 2 && in[1] == '\n' ? 2 : 1;
            *out++ = u'\n';
            lineIn = in;
            lineOut = out;
            tag = beginsWithTag(in, end);
            continue;
        }
        if (lead < 0x80) {
            *out++ = char16_t(lead);
            ++in;
            continue;
        }
        // Lead C2..DF: two bytes. The continuation byte's payload is the byte less 80, below 40.
        if (lead - 0xC2u <= 0xDFu - 0xC2u && end - in >= 2) {
            const unsigned payload = in[1] ^ 0x80u;
            if (payload < 0x40) {
                *out++ = char16_t((lead & 0x1Fu) << 6 | payload);
                in += 2;
                continue;
            }
        }
        const Sequence sequence = longSequence(in, end);
        if (sequence.length == 0)
            return std::nullopt;
        in += sequence.length;
        if (sequence.character < 0x10000) {
            *out++ = char16_t(sequence.character);
        } else {
            *out++ = char16_t(0xD7C0 + (sequence.character >> 10));
            *out++ = char16_t(0xDC00 | (sequence.character & 0x3FF));
        }
    }
    endLine();
    decoded.characters.truncate(out - text);
    return decoded;
}

} // namespace editor_text
