// Testing a phrase against the passphrase block, and decoding the text groups into bytes while
// the body checksum is summed.
#include "cipher/ArmourDecoder.h"

#include "cipher/ArmourFormat.h"
#include "cipher/CheckedInt.h"
#include "cipher/GroupCodec.h"
#include "cipher/GroupStream.h"
#include "cipher/Keystream.h"
#include "cipher/KeystreamMethods.h"
#include "cipher/Messages.h"
#include "cipher/SecretString.h"

#include <algorithm>

namespace cipher {
namespace {

// The passphrase groups come first in the stream; the text starts after them.
std::int64_t phraseGroups(const ArmouredBlock &block) {
    return groupsFor(block.header.phraseLength);
}

// Removes the keystream from a decoded group's three bytes, in order, writing them to `out`.
void decipher(const Group &group, Keystream &keys, char *out) {
    for (const std::uint8_t byte : group)
        *out++ = static_cast<char>(byte ^ keys.nextByte());
}

Verdict checksumVerdict(const std::optional<std::int32_t> &stated, std::int32_t sum) {
    if (stated == 0)
        return Verdict::ChecksumAbsent;
    return stated == sum ? Verdict::Verified : Verdict::ChecksumDiffers;
}

// How far the text groups reached, and the checksum of those read.
struct TextGroups {
    std::int64_t present = 0;
    bool complete = true;
    std::int32_t sum = 0;
};

// Decodes the text groups in stream order, handing each to onGroup(i, group), and sums the
// checksum over the bytes as they stand in the block, before deciphering. Stops at the first
// group the body does not hold.
template <class OnGroup>
TextGroups walkTextGroups(const GroupStream &stream, const ArmouredBlock &block,
                          OnGroup &&onGroup) {
    const std::int64_t first = phraseGroups(block);
    const std::int64_t count = groupsFor(block.header.textLength);
    TextGroups walked;
    for (; walked.present < count; ++walked.present) {
        const auto chars = stream.group(first + walked.present);
        if (!chars) {
            walked.complete = false;
            return walked;
        }
        const Group group = DecodeGroup(*chars, keystreamAlphabet(block.header.method));
        walked.sum = checkedAdd(walked.sum, WeightedSum(group));
        onGroup(walked.present, group);
    }
    return walked;
}

// Whether a body line holding `groups` groups is as a writer cuts it, up to column 65 and
// without blanks at its end: "C" and groups of the method's characters only, and a last line
// holding no more than its groups. A line that is not (a reply typed among the body lines, say)
// may still hold the groups' columns, but its text is not the block's, whatever the checksum.
bool writtenLine(std::string_view line, std::int64_t groups,
                 const std::array<std::int16_t, 256> &digits) {
    line = line.substr(0, std::min(line.find_last_not_of(" \t") + 1, bodyLineLength));
    if (groups < groupsPerLine &&
        line.size() > static_cast<std::size_t>(1 + groups * charsPerGroup))
        return false;
    return codec::madeOfDigits(line, digits);
}

// Whether every body line the stream's groups are read from is a written line. Blocks read with
// ZeroBytes decode to zero bytes whatever their characters, so theirs are not judged.
bool readLinesWritten(LineList lines, const ArmouredBlock &block) {
    const BodyAlphabet alphabet = keystreamAlphabet(block.header.method);
    if (!codec::hasDigits(alphabet))
        return true;
    const std::int64_t groups = phraseGroups(block) + groupsFor(block.header.textLength);
    const auto bodyLines =
        static_cast<std::int64_t>(block.place.checksumLine - block.place.headerLine - 1);
    for (std::int64_t i = 0; i < bodyLines && i * groupsPerLine < groups; ++i)
        if (!writtenLine(lines[block.place.headerLine + 1 + static_cast<std::size_t>(i)],
                         std::min<std::int64_t>(groupsPerLine, groups - i * groupsPerLine),
                         codec::digits[static_cast<std::size_t>(alphabet)]))
            return false;
    return true;
}

// The verdict on a body whose groups were all read: a line that is not as written is damage
// even where the weak checksum happens to agree.
Verdict completeVerdict(LineList lines, const ArmouredBlock &block, std::int32_t sum) {
    const Verdict verdict = checksumVerdict(block.statedChecksum, sum);
    return verdict == Verdict::Verified && !readLinesWritten(lines, block)
               ? Verdict::ChecksumDiffers
               : verdict;
}

} // namespace

std::string_view DecodedText::warning() const {
    switch (verdict) {
    case Verdict::Verified:
        return {};
    case Verdict::ChecksumAbsent:
        return messages::checksumAbsent;
    case Verdict::ChecksumDiffers:
        return messages::checksumDiffers;
    case Verdict::EndedEarly:
        return messages::endedEarly;
    }
    return {};
}

bool phraseMatches(LineList lines, const ArmouredBlock &block, std::string_view phrase) {
    const auto length = static_cast<std::size_t>(std::max(block.header.phraseLength, 0));
    if (phrase.size() != length || length > maxPhraseLength)
        return false;
    // All passphrase groups stand in the first body line; a reader deciphers all three bytes
    // of each, which is harmless because the text starts the keystream afresh.
    const GroupStream stream(lines, block.place);
    Keystream keys = keystreamFor(phrase);
    // The deciphered copy of the stored phrase wipes itself before its memory is given back.
    SecretString check(static_cast<std::size_t>(phraseGroups(block) * bytesPerGroup), '\0');
    for (std::int64_t k = 0; k < phraseGroups(block); ++k) {
        const auto chars = stream.group(k);
        if (!chars)
            return false;
        decipher(DecodeGroup(*chars, keystreamAlphabet(block.header.method)), keys,
                 &check[static_cast<std::size_t>(k * bytesPerGroup)]);
    }
    return check.compare(0, length, phrase) == 0;
}

DecodedText decodeText(LineList lines, const ArmouredBlock &block, std::string_view phrase) {
    const GroupStream stream(lines, block.place);
    // The text grows by the groups actually present, so neither a stated length nor a body of
    // many empty lines reserves memory that no group fills.
    DecodedText result;
    Keystream keys = keystreamFor(phrase);
    const TextGroups walked = walkTextGroups(stream, block, [&](std::int64_t, const Group &group) {
        char bytes[bytesPerGroup];
        decipher(group, keys, bytes);
        result.bytes.append(bytes, bytesPerGroup);
    });
    if (!walked.complete) {
        result.verdict = Verdict::EndedEarly;
        return result;
    }
    result.bytes.resize(static_cast<std::size_t>(std::max(block.header.textLength, 0)));
    result.verdict = completeVerdict(lines, block, walked.sum);
    return result;
}

Verdict bodyVerdict(LineList lines, const ArmouredBlock &block) {
    const TextGroups walked =
        walkTextGroups(GroupStream(lines, block.place), block, [](std::int64_t, const Group &) {});
    return walked.complete ? completeVerdict(lines, block, walked.sum) : Verdict::EndedEarly;
}

} // namespace cipher
