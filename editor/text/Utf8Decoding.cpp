// Decoding and checking UTF-8 eight bytes at a time where they begin a run of ASCII or of
// two-byte letters (most scripts beyond ASCII), else a sequence at a time: the toolkit's decoder
// followed by a separate check would read every byte twice, at several times the cost. A line's
// extra bytes in UTF-8 are the bytes it took less the characters it made, so counting the lines
// costs a step at each line break, where the line's kind is read from the characters just made.
#include "editor/text/Utf8Decoding.h"

#include <bit>
#include <cstdint>
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

// Runs of the two commonest kinds of sequence are decoded eight bytes at a time, the bytes read
// as one little-endian word: each function answers how many characters at its start are of its
// kind (none to stop), having written at least that many.
constexpr std::size_t wordBytes = 8;
constexpr std::uint64_t everyByte(std::uint8_t byte) {
    return 0x0101010101010101u * byte;
}
constexpr std::uint64_t everyLane(std::uint16_t lane) {
    return 0x0001000100010001u * lane;
}

// ASCII from 0E on, no line break among it: eight characters, as many as are ASCII from 0E on
// counted. A byte from 80 on has its top bit; one below 0E does not reach it when 72 is added
// (the additions carry only into bytes after the first that is not counted).
std::size_t asciiRun(std::uint64_t word, char16_t *out) {
    const std::uint64_t outside = (word | ~(word + everyByte(0x72))) & everyByte(0x80);
    // Each half's four bytes spread to four 16-bit lanes.
    for (const std::uint64_t half : {word & 0xFFFFFFFF, word >> 32}) {
        const std::uint64_t pairs = (half | half << 16) & 0x0000FFFF0000FFFF;
        const std::uint64_t units = (pairs | pairs << 8) & everyLane(0x00FF);
        std::memcpy(out, &units, sizeof units);
        out += 4;
    }
    return std::size_t(std::countr_zero(outside)) / 8;
}

// Two-byte sequences, each a lead C2..DF then a continuation byte, read as four 16-bit lanes (lead
// low, continuation high): four characters, as many as are such sequences counted.
std::size_t twoByteRun(std::uint64_t word, char16_t *out) {
    // A lane out of shape differs from 110xxxxx 10xxxxxx in a masked bit; a lead C0 or C1 (an
    // overlong form) has none of the bits 1E.
    const std::uint64_t shape = (word & everyLane(0xC0E0)) ^ everyLane(0x80C0);
    const std::uint64_t shapeWrong = ((shape & everyLane(0x7FFF)) + everyLane(0x7FFF)) | shape;
    const std::uint64_t overlong = ~((word & everyLane(0x001E)) + everyLane(0x7FFF));
    const std::uint64_t wrong = (shapeWrong | overlong) & everyLane(0x8000);
    const std::uint64_t units = (word & everyLane(0x001F)) << 6 | (word >> 8 & everyLane(0x003F));
    std::memcpy(out, &units, sizeof units);
    return std::size_t(std::countr_zero(wrong)) / 16;
}

// How many characters a run at `in` decoded into `out`, and the bytes they took; none when the
// sequence at `in` is of neither kind, or fewer than eight bytes are left.
struct Run {
    std::size_t characters = 0;
    std::size_t bytes = 0;
};

Run decodeRun(const unsigned char *in, const unsigned char *end, char16_t *out) {
    if constexpr (std::endian::native != std::endian::little)
        return {};
    if (std::size_t(end - in) < wordBytes)
        return {};
    std::uint64_t word = 0;
    std::memcpy(&word, in, sizeof word);
    if (in[0] < 0x80) {
        // A lone ASCII character, such as a space between words, is cheaper on its own.
        if (in[1] >= 0x80)
            return {};
        const std::size_t ascii = asciiRun(word, out);
        return {ascii, ascii};
    }
    const std::size_t twoByte = twoByteRun(word, out);
    return {twoByte, 2 * twoByte};
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
    const auto endLine = [&] {
        decoded.lines.append((in - lineIn) - (out - lineOut),
                             LineCounts::kindOf(QStringView(lineOut, out - lineOut)));
    };
    while (in != end) {
        // The text holds at least as many units as bytes are left, so a run's four or eight
        // units fit.
        if (const Run run = decodeRun(in, end, out); run.characters != 0) {
            in += run.bytes;
            out += run.characters;
            continue;
        }
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
