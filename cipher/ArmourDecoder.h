// The second half of reading a block: testing a phrase against its passphrase block and
// decoding its text, with the verdict Decrypt reports afterwards.
#pragma once

#include "cipher/ArmourReader.h"

#include <string>
#include <string_view>

namespace cipher {

enum class Verdict {
    Verified,        // every group read, the checksum line states the sum
    ChecksumAbsent,  // every group read, the checksum line holds no number or 0
    ChecksumDiffers, // every group read, the checksum line states another number, or a line
                     // they were read from is not as a writer cuts it (a reply among them)
    EndedEarly,      // the body ended before the last text group
};

struct DecodedText {
    // The first T bytes, or on EndedEarly the bytes decoded so far. A zero byte may stand
    // among them; the editor takes the text up to the first one.
    std::string bytes;
    Verdict verdict = Verdict::Verified;
    // The method carries its text as UTF-8: bytes that are well-formed UTF-8 are read as UTF-8
    // even when they are plain ASCII, with the line breaks they hold.
    bool carriedAsUtf8 = false;

    // The warning Decrypt shows after replacing the text; empty when verified.
    std::string_view warning() const;
};

// Whether the phrase, as the passphrase dialog yields it, is the one the block was protected
// with. A phrase of another length than the block states, or longer than 16 characters, is
// wrong; so is one whose passphrase groups are missing from the first body line. When it is
// wrong, Decrypt shows messages::wrongPhrase.
[[nodiscard]] bool phraseMatches(LineList lines, const ArmouredBlock &block,
                                 std::string_view phrase);

// Decodes the text groups that follow the passphrase block, with the keystream of the phrase
// (empty for an unprotected block). The result grows as groups are decoded, so a huge stated
// length costs nothing until the body holds that many groups. A checksum beyond 32 bits
// throws IntegerOverflow.
DecodedText decodeText(LineList lines, const ArmouredBlock &block, std::string_view phrase);

// The verdict decodeText gives, found without deciphering, so it needs no phrase: whether the
// body holds every text group and whether the checksum line states their sum. A checksum
// beyond 32 bits throws IntegerOverflow.
Verdict bodyVerdict(LineList lines, const ArmouredBlock &block);

} // namespace cipher
