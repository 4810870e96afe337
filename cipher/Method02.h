// Method 02: the text sealed by XChaCha20-Poly1305 under a key that Argon2id derives from the
// phrase, carried in the armoured block's body lines. The layout is described in Method02.cpp.
#pragma once

#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourReader.h"
#include "cipher/Method.h"
#include "cipher/Sodium.h"

#include <string>
#include <string_view>
#include <vector>

namespace cipher::method02 {

// The header's method field, and the format version Method 02 blocks carry (2.00): older
// copies, which refuse any method above 1, then name the version that reads it.
inline constexpr std::int32_t headerMethod = 2;
inline constexpr std::int32_t headerVersion = 200;

// A phrase is 1 to 64 characters, any characters, taken as UTF-8 bytes with their case.
extern const PhraseRule phraseRule;

// Method 02's entry in the table of methods.
extern const Method method;

// What one derivation costs when Encrypt writes a block: four passes over 128 MiB, about
// 0.46 s of one core on the machine it was tuned on (bench_cipher's deriveKey).
inline constexpr sodium::Limits writtenLimits{4, 128 * 1024};

// The most a reader spends on one derivation: twice the passes and twice the memory of the
// written limits, so a crafted block cannot make Decrypt (or a mail filter running qvl) spend
// a gibibyte and seconds on every attempt. Higher limits are a later version's.
inline constexpr sodium::Limits maxReadLimits{2 * writtenLimits.operations,
                                              2 * writtenLimits.memoryKiB};

// What a block is sealed with apart from the text and the phrase: fresh for every block, fixed
// only by tests that pin a block's exact lines.
struct SealInputs {
    sodium::Limits limits = writtenLimits;
    sodium::Salt salt{};
    sodium::Nonce nonce{};
};

// Fresh salt and nonce with the written limits.
SealInputs freshSealInputs();

// The block's lines: START, header "QvL/0200/02/0/" T, body lines, checksum line, END. The text
// holds 1..22,528 bytes and the phrase 1..64 characters; anything else throws
// std::invalid_argument.
std::vector<std::string> write(std::string_view text, std::string_view phrase,
                               const SealInputs &inputs);

// A block's body read and proved intact: everything but the phrase needed to open it.
struct SealedBody {
    sodium::Limits limits;
    sodium::Salt salt{};
    sodium::Nonce nonce{};
    std::vector<std::uint8_t> sealed; // ciphertext and tag
    std::string associated;           // the header line the tag covers
};

// Reads the body lines of a Method 02 block. Any departure from what the writer writes (a
// header line spelled otherwise, a body shorter or longer than the header's length, a
// character outside the Method 01 alphabet, a missing "C", a checksum that is absent or
// different, layout 0 or limits Argon2id refuses) is refused with messages::damagedBlock. A
// body that is intact by its checksum but carries a later layout, or limits above
// maxReadLimits, is a later version's: refused with the method check's newer-version words,
// naming the header's version field. Nothing here derives a key.
Outcome<SealedBody> readBody(LineList lines, const ArmouredBlock &block);

// The text, or nothing when the phrase is not the one the block was sealed with. Takes one key
// derivation, so it belongs off the user-interface thread.
std::optional<std::string> open(const SealedBody &body, std::string_view phrase);

} // namespace cipher::method02
