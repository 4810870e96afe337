// Testing a phrase against the passphrase block, and decoding the text groups into bytes while
// the body checksum is summed.
#include "cipher/ArmourDecoder.h"

#include "cipher/ArmourFormat.h"
#include "cipher/CheckedInt.h"
#include "cipher/GroupCodec.h"
#include "cipher/GroupStream.h"
#include "cipher/Keystream.h"
#include "cipher/Messages.h"

#include <algorithm>

namespace cipher {
namespace {

// The passphrase groups come first in the stream; the text starts after them.
std::int64_t phraseGroups(const ArmouredBlock &block) {
    return groupsFor(block.header.phraseLength);
}

// Decodes group k and removes the keystream from its three bytes, appending them to `out`;
// answers the decoded group as it stood in the block, for the checksum.
std::optional<Group> decipherGroup(const GroupStream &stream, std::int64_t k, std::int32_t method,
                                   Keystream &keys, std::string &out) {
    const auto chars = stream.group(k);
    if (!chars)
        return std::nullopt;
    const Group group = DecodeGroup(*chars, method);
    for (const std::uint8_t byte : group)
        out.push_back(static_cast<char>(byte ^ keys.nextByte()));
    return group;
}

Verdict checksumVerdict(const std::optional<std::int32_t> &stated, std::int32_t sum) {
    if (stated == 0)
        return Verdict::ChecksumAbsent;
    return stated == sum ? Verdict::Verified : Verdict::ChecksumDiffers;
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
    std::string check;
    for (std::int64_t k = 0; k < phraseGroups(block); ++k)
        if (!decipherGroup(stream, k, block.header.method, keys, check))
            return false;
    return check.compare(0, length, phrase) == 0;
}

DecodedText decodeText(LineList lines, const ArmouredBlock &block, std::string_view phrase) {
    const GroupStream stream(lines, block.place);
    const std::int64_t first = phraseGroups(block);
    const std::int64_t count = groupsFor(block.header.textLength);
    DecodedText result;
    result.bytes.reserve(
        static_cast<std::size_t>(std::min(count, stream.capacityFrom(first)) * bytesPerGroup));
    Keystream keys = keystreamFor(phrase);
    std::int32_t sum = 0;
    for (std::int64_t k = first; k < first + count; ++k) {
        const auto group = decipherGroup(stream, k, block.header.method, keys, result.bytes);
        if (!group) {
            result.verdict = Verdict::EndedEarly;
            return result;
        }
        sum = checkedAdd(sum, WeightedSum(*group));
    }
    result.bytes.resize(static_cast<std::size_t>(std::max(block.header.textLength, 0)));
    result.verdict = checksumVerdict(block.statedChecksum, sum);
    return result;
}

} // namespace cipher
