// The fuzz entry for the armour reader and writer. An even first byte reads the rest as a text
// that may hold a block, exactly and with mail's changes undone; an odd one writes the rest as a
// phrase and a text under Method 00, 01 or 02, puts the block through mail's changes and reads
// it back.
#include "FuzzRequire.h"

#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourFormat.h"
#include "cipher/BlockReading.h"
#include "cipher/BlockWriter.h"
#include "cipher/CheckedInt.h"
#include "cipher/Lines.h"
#include "cipher/Method.h"
#include "cipher/Method02.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using fuzz::require;

void checkDecoded(const cipher::ArmouredBlock &block, const cipher::DecodedText &decoded) {
    const auto stated = static_cast<std::size_t>(std::max(block.header.textLength, 0));
    if (decoded.verdict == cipher::Verdict::EndedEarly) {
        require(decoded.bytes.size() % 3 == 0, "an early end keeps whole groups");
        require(decoded.bytes.size() < stated, "an early end comes before the stated length");
    } else {
        require(decoded.bytes.size() == stated, "a complete text has the stated length");
    }
}

// Method 02 blocks are written here with the smallest Argon2id limits, so that fuzzing spends
// its time on the format rather than on key derivation; a read block is opened only when its
// limits are that cheap.
constexpr cipher::sodium::Limits fuzzLimits{1, 8};

void readMethod02(cipher::LineList lines, const cipher::ArmouredBlock &block,
                  std::string_view phrase) {
    const auto body = cipher::method02::readBody(lines, block);
    if (!body || body.value->limits.memoryKiB > fuzzLimits.memoryKiB * 8)
        return;
    if (const auto text = cipher::method02::open(*body.value, phrase))
        require(text->size() == static_cast<std::size_t>(block.header.textLength),
                "an opened text has the stated length");
}

// A block read with no phrase and with the text's first line as one.
void decodeEither(cipher::LineList lines, const cipher::ArmouredBlock &block,
                  std::string_view phrase) {
    if (cipher::method02::method.block->namesHeader(block.header))
        return readMethod02(lines, block, phrase);
    for (const std::string_view attempt : {std::string_view(), phrase}) {
        // Run for the faults it may meet; either answer is right for a random phrase.
        [[maybe_unused]] const bool matches = cipher::phraseMatches(lines, block, attempt);
        try {
            checkDecoded(block, cipher::decodeText(lines, block, attempt));
        } catch (const cipher::IntegerOverflow &) {
            // A body too long for the 32-bit checksum is refused, not wrapped.
        }
    }
}

// A repaired reading replaces a block the exact reading found only when its checksum proves it.
void checkRepair(cipher::LineList lines, const cipher::BlockReading &reading) {
    if (!reading.isRepaired())
        return;
    require(reading.repair->undone().any(), "a repair undoes something");
    if (!cipher::locateBlock(lines))
        return;
    require(cipher::provesItself(reading.lines, reading.opened, cipher::methods()),
            "a repair over a found block is proven");
}

// Any bytes: the reader may refuse them or decode them, but never crashes or overruns.
void readArbitrary(std::string_view input) {
    const auto lines = cipher::splitLines(input);
    const auto block = cipher::openBlock(lines);
    const std::string_view phrase = lines.front().substr(0, cipher::maxPhraseLength);
    if (block)
        decodeEither(lines, *block.value, phrase);
    // Choosing between the readings never fails, whatever the sums.
    const cipher::BlockReading reading = cipher::readBlock(lines);
    checkRepair(lines, reading);
    if (reading.isRepaired() && reading.opened)
        decodeEither(reading.lines, *reading.opened.value, phrase);
}

// Where the checksum line stands among mailed lines: the second that holds the tag.
std::size_t checksumLineOf(const std::vector<std::string> &lines) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(cipher::armourTag) != std::string::npos && ++seen == 2)
            return i;
    return lines.size();
}

// A reply typed right before the last body line, without the block's quote marks (nor any
// others, nor the tag). In an unquoted block it ends with "!", which no body line holds: a line
// of the method's characters alone could not be told from a body line there.
void typeReply(std::vector<std::string> &lines, std::string reply, bool quoted) {
    std::erase_if(
        reply, [](char c) { return c == '\r' || c == '\n' || c == 'Q' || c == '>' || c == '|'; });
    if (!quoted)
        reply += '!';
    const std::size_t checksum = checksumLineOf(lines);
    if (checksum >= 3 && checksum < lines.size())
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(checksum - 1), std::move(reply));
}

// Mail's changes chosen by the bits of `kind`: 1 quotes every line ("> ", or with 32 "| "),
// 2 indents and pads them, 4 puts a blank line after each, 8 breaks the body lines again at
// `width`.
std::vector<std::string> mailed(std::vector<std::string> lines, unsigned kind, std::size_t width) {
    if (kind & 8) {
        std::string body;
        for (auto line = lines.begin() + 2; line != lines.end() - 2; ++line)
            body += *line;
        std::vector<std::string> broken(lines.begin(), lines.begin() + 2);
        for (std::size_t at = 0; at < body.size(); at += width)
            broken.push_back(body.substr(at, width));
        broken.insert(broken.end(), lines.end() - 2, lines.end());
        lines = std::move(broken);
    }
    std::vector<std::string> changed;
    for (const std::string &line : lines) {
        const std::string marks = kind & 1 ? (kind & 32 ? "| " : "> ") : "";
        changed.push_back(marks + (kind & 2 ? " \t" : "") + line + (kind & 2 ? " " : ""));
        if (kind & 4)
            changed.push_back(marks.substr(0, 1));
    }
    return changed;
}

// The text a reading gives with the phrase; nothing unless its checks all pass.
std::optional<std::string> verifiedText(const cipher::BlockReading &reading,
                                        std::string_view phrase) {
    const cipher::ArmouredBlock &block = *reading.opened.value;
    if (cipher::method02::method.block->namesHeader(block.header)) {
        const auto body = cipher::method02::readBody(reading.lines, block);
        return body ? cipher::method02::open(*body.value, phrase) : std::nullopt;
    }
    if (block.header.phraseLength > 0 && !cipher::phraseMatches(reading.lines, block, phrase))
        return std::nullopt;
    auto decoded = cipher::decodeText(reading.lines, block, phrase);
    if (decoded.verdict != cipher::Verdict::Verified)
        return std::nullopt;
    return std::move(decoded.bytes);
}

// A written block after mail's changes reads as the block itself. With a reply typed among its
// lines (16 in the kind; the reply is the text's start) it may read as damaged or not at all,
// but never as another text.
void readMailed(const std::vector<std::string> &written, unsigned mailKind, std::string_view text,
                std::string_view phrase) {
    std::vector<std::string> lines = mailed(written, mailKind, 16 + text.size() % 100);
    if (mailKind & 16)
        typeReply(lines, std::string(text.substr(0, 1 + text.size() % 40)), mailKind & 1);
    const std::string mail = cipher::joinLines(lines);
    const auto split = cipher::splitLines(mail);
    const cipher::BlockReading reading = cipher::readBlock(split);
    if (mailKind & 16) {
        const auto read = reading.opened ? verifiedText(reading, phrase) : std::nullopt;
        require(!read || *read == text, "a reply never becomes part of a text read");
        return;
    }
    require(static_cast<bool>(reading.opened), "a mailed block opens");
    require(verifiedText(reading, phrase) == text, "the text comes back through mail");
}

// Method 02: the text comes back with the phrase, and nothing with another phrase.
void roundTripMethod02(std::string_view text, std::string_view phrase, unsigned mailKind) {
    if (!cipher::phraseLengthAccepted(cipher::method02::phraseRule, phrase))
        return;
    cipher::method02::SealInputs inputs{fuzzLimits, {}, {}};
    const auto written = cipher::method02::write(text, phrase, inputs);
    const std::string armoured = cipher::joinLines(written);
    const auto lines = cipher::splitLines(armoured);
    const auto block = cipher::openBlock(lines);
    require(block && cipher::method02::method.block->namesHeader(block.value->header),
            "a written Method 02 block opens as one");
    const auto body = cipher::method02::readBody(lines, *block.value);
    require(static_cast<bool>(body), "a written Method 02 body is intact");
    require(cipher::method02::open(*body.value, phrase) == text, "the text comes back");
    require(!cipher::method02::open(*body.value, std::string(phrase) + "x"),
            "another phrase opens nothing");
    readMailed(written, mailKind, text, phrase);
}

// A phrase of up to 16 bytes and a text of up to 22,528 come back exactly, also after mail's
// changes.
void roundTrip(std::string_view input, int method, unsigned mailKind) {
    if (input.empty())
        return;
    const std::size_t phraseLength = std::min<std::size_t>(
        static_cast<unsigned char>(input[0]) % (cipher::maxPhraseLength + 1), input.size() - 1);
    const std::string_view phrase = input.substr(1, phraseLength);
    const std::string_view text = input.substr(1 + phraseLength, cipher::maxTextLength);
    if (text.empty())
        return;
    if (method == cipher::method02::headerMethod)
        return roundTripMethod02(text, phrase, mailKind);
    const auto written =
        cipher::writeBlock(*cipher::methodNamed(std::to_string(method)), text, phrase);
    const std::string armoured = cipher::joinLines(written);
    const auto lines = cipher::splitLines(armoured);
    require(cipher::locateBlock(lines).has_value(), "a written block is detected");
    for (const std::string_view line : lines)
        require(line.size() <= cipher::bodyLineLength, "no line is longer than 65 characters");
    const auto block = cipher::openBlock(lines);
    require(static_cast<bool>(block), "a written block opens");
    require(!phrase.empty() == (block.value->header.phraseLength > 0),
            "a phrase protects the block");
    require(phrase.empty() || cipher::phraseMatches(lines, *block.value, phrase),
            "the writer's phrase matches");
    const auto decoded = cipher::decodeText(lines, *block.value, phrase);
    require(decoded.verdict == cipher::Verdict::Verified, "a written block verifies");
    require(decoded.bytes == text, "the text comes back");
    readMailed(written, mailKind, text, phrase);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char *>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        readArbitrary(input);
    else
        roundTrip(input, (data[0] / 2) % 3, data[0] / 4);
    return 0;
}
