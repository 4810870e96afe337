// The cryptography of Method 02, all of it from libsodium: random bytes, the Argon2id key
// derivation, and XChaCha20-Poly1305 sealing and opening.
#pragma once

#include "cipher/SecretString.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cipher::sodium {

inline constexpr std::size_t saltBytes = 16;
inline constexpr std::size_t nonceBytes = 24;
inline constexpr std::size_t tagBytes = 16;
inline constexpr std::size_t keyBytes = 32;

using Salt = std::array<std::uint8_t, saltBytes>;
using Nonce = std::array<std::uint8_t, nonceBytes>;

// The Argon2id cost of one key derivation: passes over the memory, and the memory in KiB.
struct Limits {
    std::uint32_t operations = 0;
    std::uint32_t memoryKiB = 0;

    bool operator==(const Limits &) const = default;
};

// A derived key, wiped when it goes.
class Key {
public:
    Key() = default;
    ~Key() { secret::wipe(m_bytes.data(), m_bytes.size()); }
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;

    std::span<std::uint8_t, keyBytes> bytes() { return m_bytes; }
    const std::uint8_t *data() const { return m_bytes.data(); }

private:
    std::array<std::uint8_t, keyBytes> m_bytes{};
};

// Fresh random bytes from the system's source.
void randomBytes(std::span<std::uint8_t> bytes);

// Argon2id (version 1.3) of the phrase's bytes with the salt and limits, into the key. Limits
// outside what Argon2id takes throw std::invalid_argument; memory that cannot be had throws
// std::bad_alloc.
void deriveKey(Key &key, std::string_view phrase, const Salt &salt, const Limits &limits);

// Whether Argon2id takes the limits at all.
[[nodiscard]] bool limitsAccepted(const Limits &limits);

// The text enciphered with its 16-byte tag after it; the associated data is authenticated,
// not enciphered.
std::vector<std::uint8_t> seal(std::string_view text, const Key &key, const Nonce &nonce,
                               std::string_view associated);

// The text, or nothing when the tag does not prove the key, ciphertext and associated data.
std::optional<std::string> open(std::span<const std::uint8_t> sealed, const Key &key,
                                const Nonce &nonce, std::string_view associated);

} // namespace cipher::sodium
