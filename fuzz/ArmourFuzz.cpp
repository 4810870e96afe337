// The fuzz entry for the armour reader and writer. An even first byte reads the rest as a text
// that may hold a block; an odd one writes the rest as a phrase and a text and reads them back.
#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourDetection.h"
#include "cipher/ArmourFormat.h"
#include "cipher/ArmourWriter.h"
#include "cipher/CheckedInt.h"
#include "cipher/Lines.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *what) {
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

void checkDecoded(const cipher::ArmouredBlock &block, const cipher::DecodedText &decoded) {
    const auto stated = static_cast<std::size_t>(std::max(block.header.textLength, 0));
    if (decoded.verdict == cipher::Verdict::EndedEarly) {
        require(decoded.bytes.size() % 3 == 0, "an early end keeps whole groups");
        require(decoded.bytes.size() < stated, "an early end comes before the stated length");
    } else {
        require(decoded.bytes.size() == stated, "a complete text has the stated length");
    }
}

// Any bytes: the reader may refuse them or decode them, but never crashes or overruns.
void readArbitrary(std::string_view input) {
    const auto lines = cipher::splitLines(input);
    const auto block = cipher::openBlock(lines);
    require(cipher::IsEncryptedText(lines) == cipher::locateBlock(lines).has_value(),
            "detection agrees with the reader");
    if (!block)
        return;
    const std::string_view phrase = lines.front().substr(0, cipher::maxPhraseLength);
    for (const std::string_view attempt : {std::string_view(), phrase}) {
        cipher::phraseMatches(lines, *block.value, attempt);
        try {
            checkDecoded(*block.value, cipher::decodeText(lines, *block.value, attempt));
        } catch (const cipher::IntegerOverflow &) {
            // A body too long for the 32-bit checksum is refused, not wrapped.
        }
    }
}

// A phrase of up to 16 bytes and a text of up to 22,528 come back exactly.
void roundTrip(std::string_view input, int method) {
    if (input.empty())
        return;
    const std::size_t phraseLength = std::min<std::size_t>(
        static_cast<unsigned char>(input[0]) % (cipher::maxPhraseLength + 1), input.size() - 1);
    const std::string_view phrase = input.substr(1, phraseLength);
    const std::string_view text = input.substr(1 + phraseLength, cipher::maxTextLength);
    if (text.empty())
        return;
    const std::string armoured = cipher::joinLines(cipher::ArmourWriter(text, phrase, method));
    const auto lines = cipher::splitLines(armoured);
    require(cipher::IsEncryptedText(lines), "a written block is detected");
    for (const std::string_view line : lines)
        require(line.size() <= cipher::bodyLineLength, "no line is longer than 65 characters");
    const auto block = cipher::openBlock(lines);
    require(static_cast<bool>(block), "a written block opens");
    require(!phrase.empty() == block.value->isProtected(), "a phrase protects the block");
    require(phrase.empty() || cipher::phraseMatches(lines, *block.value, phrase),
            "the writer's phrase matches");
    const auto decoded = cipher::decodeText(lines, *block.value, phrase);
    require(decoded.verdict == cipher::Verdict::Verified, "a written block verifies");
    require(decoded.bytes == text, "the text comes back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char *>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        readArbitrary(input);
    else
        roundTrip(input, (data[0] / 2) % 2);
    return 0;
}
