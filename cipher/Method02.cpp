// Method 02 blocks written and read. The block, line by line (each line ended by CR LF):
//
//   START line    as for every method
//   header line   "QvL/0200/02/0/" T: format version 0200, method 02, phrase-length field
//                 always 0 (the phrase's length is not revealed), T the text's length in
//                 bytes, 1..22,528
//   body lines    "C" and groups of four characters of the Method 01 alphabet, 16 groups
//                 (65 characters) a line, the last line 1 to 16 groups; each group carries
//                 three body bytes (below), the last group filled up with 0x20
//   checksum line "QvL/" and, in decimal, the sum over every group of WeightedSum of its three
//                 bytes as carried (the filler included)
//   END line      as for every method
//
// The body bytes, N = 65 + T of them (multi-byte numbers most significant byte first):
//
//   offset 0            layout number, 1
//   offsets 1..4        Argon2id operations limit
//   offsets 5..8        Argon2id memory limit in KiB
//   offsets 9..24       salt, 16 random bytes
//   offsets 25..48      nonce, 24 random bytes
//   offsets 49..48+T    the text enciphered with XChaCha20 (IETF construction)
//   offsets 49+T..64+T  the Poly1305 tag
//
// The key is 32 bytes of Argon2id version 1.3 over the phrase's UTF-8 bytes, the salt and the
// limits of offsets 1..8, so limits can be raised later without a new method. The tag covers
// the ciphertext and, as associated data, the header line as it stands without trailing blanks,
// so none of its fields can be changed unnoticed.
//
// A reader checks the body's shape and the checksum before it derives a key: damage on the way
// is refused as damage, and a tag that fails on an intact body means the phrase is wrong.
#include "cipher/Method02.h"

#include "cipher/ArmourFormat.h"
#include "cipher/BlockWriter.h"
#include "cipher/BodyLines.h"
#include "cipher/GroupCodec.h"
#include "cipher/Keystream.h"
#include "cipher/Messages.h"

#include <algorithm>
#include <stdexcept>

namespace cipher::method02 {
namespace {

constexpr std::uint8_t layoutNumber = 1;
constexpr std::size_t preambleBytes = 9;
constexpr std::size_t saltOffset = preambleBytes;
constexpr std::size_t nonceOffset = saltOffset + sodium::saltBytes;
constexpr std::size_t sealedOffset = nonceOffset + sodium::nonceBytes;
constexpr std::size_t bodyOverhead = sealedOffset + sodium::tagBytes;
static_assert(sealedOffset == 49 && bodyOverhead == 65);

using Bytes = std::vector<std::uint8_t>;

void appendNumber(Bytes &bytes, std::uint32_t number) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(number >> shift));
}

std::uint32_t numberAt(const Bytes &bytes, std::size_t offset) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i)
        number = (number << 8) | bytes[offset + i];
    return number;
}

std::string headerLine(std::int64_t textLength) {
    return writtenHeaderLine(headerVersion, headerMethod, 0, static_cast<std::size_t>(textLength));
}

// The header line as the tag covers it: as it stands, without the blanks mail may add.
std::string_view withoutTrailingBlanks(std::string_view line) {
    const std::size_t end = line.find_last_not_of(" \t");
    return line.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

Bytes bodyBytes(std::string_view text, std::string_view phrase, const SealInputs &inputs,
                std::string_view header) {
    Bytes body{layoutNumber};
    appendNumber(body, inputs.limits.operations);
    appendNumber(body, inputs.limits.memoryKiB);
    body.insert(body.end(), inputs.salt.begin(), inputs.salt.end());
    body.insert(body.end(), inputs.nonce.begin(), inputs.nonce.end());
    sodium::Key key;
    sodium::deriveKey(key, phrase, inputs.salt, inputs.limits);
    const Bytes sealed = sodium::seal(text, key, inputs.nonce, header);
    body.insert(body.end(), sealed.begin(), sealed.end());
    return body;
}

// The body bytes in groups of three, 16 groups a line; answers the body checksum.
std::int32_t writeBody(std::vector<std::string> &lines, const Bytes &body) {
    BodyLines bodyLines(lines);
    std::int32_t checksum = 0;
    for (std::size_t i = 0; i < body.size(); i += bytesPerGroup) {
        Group group = {groupFiller, groupFiller, groupFiller};
        std::copy_n(body.begin() + static_cast<std::ptrdiff_t>(i),
                    std::min<std::size_t>(bytesPerGroup, body.size() - i), group.begin());
        bodyLines.breakIfFull();
        bodyLines.append(group, Letters);
        checksum += WeightedSum(group);
    }
    bodyLines.finish();
    return checksum;
}

// Appends the groups of one body line, or answers false when the line is not "C" and groups of
// the Method 01 alphabet (exactly `groups` of them unless that is negative; blanks after them
// are allowed).
bool readLine(std::string_view line, std::int64_t groups, Bytes &body, std::int64_t &sum) {
    line = withoutTrailingBlanks(line);
    const bool shaped = groups < 0
                            ? (line.size() - 1) % charsPerGroup == 0
                            : line.size() == static_cast<std::size_t>(1 + groups * charsPerGroup);
    if (line.empty() || !shaped || line[0] != 'C')
        return false;
    for (std::size_t column = 1; column < line.size(); column += charsPerGroup) {
        const std::string_view chars = line.substr(column, charsPerGroup);
        for (const char c : chars)
            if (codec::digits[Letters][static_cast<unsigned char>(c)] < 0)
                return false;
        const Group group = DecodeGroup(chars, Letters);
        sum += WeightedSum(group);
        body.insert(body.end(), group.begin(), group.end());
    }
    return true;
}

std::size_t bodyLineCount(const ArmouredBlock &block) {
    return block.place.checksumLine - block.place.headerLine - 1;
}

bool checksumStates(const ArmouredBlock &block, std::int64_t sum) {
    return block.statedChecksum.value_or(0) != 0 && *block.statedChecksum == sum;
}

// Every body byte of a block whose body has exactly the shape its header states and whose
// checksum line states their sum; nothing otherwise.
std::optional<Bytes> readBodyBytes(LineList lines, const ArmouredBlock &block) {
    const std::int32_t textLength = block.header.textLength;
    if (textLength < 1 || static_cast<std::size_t>(textLength) > maxTextLength)
        return std::nullopt;
    const std::size_t size = bodyOverhead + static_cast<std::size_t>(textLength);
    const std::int64_t groups = groupsFor(static_cast<std::int64_t>(size));
    const std::size_t lineCount = bodyLineCount(block);
    if (static_cast<std::int64_t>(lineCount) != (groups + groupsPerLine - 1) / groupsPerLine)
        return std::nullopt;
    Bytes body;
    body.reserve(static_cast<std::size_t>(groups * bytesPerGroup));
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < lineCount; ++i) {
        const std::int64_t inLine =
            std::min<std::int64_t>(groupsPerLine, groups - std::int64_t(i) * groupsPerLine);
        if (!readLine(lines[block.place.headerLine + 1 + i], inLine, body, sum))
            return std::nullopt;
    }
    if (!checksumStates(block, sum))
        return std::nullopt;
    if (std::any_of(body.begin() + static_cast<std::ptrdiff_t>(size), body.end(),
                    [](std::uint8_t byte) { return byte != groupFiller; }))
        return std::nullopt;
    body.resize(size);
    return body;
}

// Whether the body, whatever its length, is made of well-formed lines whose groups the checksum
// line states and begins with a layout later than this one: a later version's block, whose
// body need not have this layout's length.
bool laterLayout(LineList lines, const ArmouredBlock &block) {
    Bytes body;
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < bodyLineCount(block); ++i)
        if (!readLine(lines[block.place.headerLine + 1 + i], -1, body, sum))
            return false;
    return !body.empty() && body[0] > layoutNumber && checksumStates(block, sum);
}

bool aboveReadLimits(const sodium::Limits &limits) {
    return limits.operations > maxReadLimits.operations ||
           limits.memoryKiB > maxReadLimits.memoryKiB;
}

Outcome<SealedBody> damaged() {
    return refused<SealedBody>(Reason::Damaged, std::string(messages::damagedBlock));
}

Outcome<SealedBody> laterVersion(const ArmouredBlock &block) {
    return refused<SealedBody>(Reason::LaterVersion, messages::unknownMethod(block.header.version));
}

} // namespace

SealInputs freshSealInputs() {
    SealInputs inputs;
    sodium::randomBytes(inputs.salt);
    sodium::randomBytes(inputs.nonce);
    return inputs;
}

std::vector<std::string> write(std::string_view text, std::string_view phrase,
                               const SealInputs &inputs) {
    if (const auto refusal = encryptRefusal(text))
        throw std::invalid_argument(std::string(*refusal));
    if (!phraseLengthAccepted(phraseRule, phrase))
        throw std::invalid_argument("Method 02: a phrase has 1 to 64 characters");
    std::vector<std::string> lines{std::string(startLine), headerLine(text.size())};
    const std::int32_t checksum = writeBody(lines, bodyBytes(text, phrase, inputs, lines[1]));
    lines.push_back(checksumLine(checksum));
    lines.emplace_back(endLine);
    return lines;
}

Outcome<SealedBody> readBody(LineList lines, const ArmouredBlock &block) {
    // The tag covers the header as written, so another spelling of the same numbers is damage,
    // not a wrong phrase.
    const std::string_view header = withoutTrailingBlanks(lines[block.place.headerLine]);
    if (block.header.textLength < 1 || header != headerLine(block.header.textLength))
        return damaged();
    const std::optional<Bytes> body = readBodyBytes(lines, block);
    if (!body)
        return laterLayout(lines, block) ? laterVersion(block) : damaged();
    if ((*body)[0] != layoutNumber)
        return (*body)[0] > layoutNumber ? laterVersion(block) : damaged();
    const sodium::Limits limits{numberAt(*body, 1), numberAt(*body, 5)};
    if (aboveReadLimits(limits))
        return laterVersion(block);
    if (!sodium::limitsAccepted(limits))
        return damaged();
    SealedBody sealed{
        limits, {}, {}, Bytes(body->begin() + sealedOffset, body->end()), std::string(header)};
    std::copy_n(body->begin() + saltOffset, sodium::saltBytes, sealed.salt.begin());
    std::copy_n(body->begin() + nonceOffset, sodium::nonceBytes, sealed.nonce.begin());
    return {std::move(sealed), {}};
}

std::optional<std::string> open(const SealedBody &body, std::string_view phrase) {
    if (!phraseLengthAccepted(phraseRule, phrase))
        return std::nullopt;
    sodium::Key key;
    sodium::deriveKey(key, phrase, body.salt, body.limits);
    return sodium::open(body.sealed, key, body.nonce, body.associated);
}

} // namespace cipher::method02
