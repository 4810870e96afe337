// Method 02: the text sealed by XChaCha20-Poly1305 under a key that Argon2id derives from the
// phrase, carried in the armoured block's body lines. The layout is described in Method02.cpp.
#pragma once

#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourReader.h"
#include "cipher/Sodium.h"

#include <string>
#include <string_view>
#include <vector>

namespace cipher::method02 {

// A phrase is 1 to 64 characters, any characters, taken as UTF-8 bytes with their case.
inline constexpr std::size_t maxPhraseCharacters = 64;

// What one derivation costs when Encrypt writes a block: four passes over 128 MiB, about
// 0.46 s of one core on the machine it was tuned on (bench_cipher's deriveKey).
inline constexpr sodium::Limits writtenLimits{4, 128 * 1024};

// The most a reader spends on one derivation: 1 GiB, and at most sixteen times the work of the
// written limits, so a block cannot make Decrypt wait for minutes.
inline constexpr std::uint32_t maxReadMemoryKiB = 1024 * 1024;
inline constexpr std::uint64_t maxReadWork =
    16ull * writtenLimits.operations * writtenLimits.memoryKiB;

// The number of characters of a UTF-8 phrase (bytes that do not continue a character).
std::size_t phraseCharacters(std::string_view phrase);

// Whether the phrase can protect a block: 1 to 64 characters.
bool phraseAccepted(std::string_view phrase);

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

// Reads the body lines of a Method 02 block. Any departure from what the writer writes (a body
// shorter or longer than the header's length, a character outside the Method 01 alphabet, a
// missing "C", a checksum that is absent or different, an unknown layout or limits beyond
// what a reader spends) is refused with messages::damagedBlock.
Outcome<SealedBody> readBody(LineList lines, const ArmouredBlock &block);

// The text, or nothing when the phrase is not the one the block was sealed with. Takes one key
// derivation, so it belongs off the user-interface thread.
std::optional<std::string> open(const SealedBody &body, std::string_view phrase);

} // namespace cipher::method02
