// The keystream generator whose draws encipher the passphrase and the text, and the
// position-weighted byte sum that seeds it and forms the body checksum.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace cipher {

// The generator's whole state is KeySeed. Each encryption or decryption owns one generator
// and seeds it before it draws, so no result depends on what an earlier command left behind.
class Keystream {
public:
    explicit Keystream(std::uint32_t seed = 0)
        : m_keySeed(seed) {}

    void seed(std::uint32_t seed) { m_keySeed = seed; }
    std::uint32_t KeySeed() const { return m_keySeed; }

    // Advances the state first, then answers floor(n * KeySeed / 2^32), a number in 0..n-1.
    std::uint32_t KeyRandom(std::uint32_t n) {
        m_keySeed = m_keySeed * multiplier + 1u;
        return static_cast<std::uint32_t>((std::uint64_t{n} * m_keySeed) >> 32);
    }

    // One keystream byte, KeyRandom(256).
    std::uint8_t nextByte() { return static_cast<std::uint8_t>(KeyRandom(256)); }

private:
    static constexpr std::uint32_t multiplier = 0x08088405u;
    std::uint32_t m_keySeed;
};

// 1 x the first byte + 2 x the second + ..., each byte taken unsigned. Throws IntegerOverflow
// when a product or partial sum leaves the signed 32-bit range.
std::int32_t WeightedSum(std::span<const std::uint8_t> bytes);
std::int32_t WeightedSum(std::string_view bytes);

// The same for the three bytes of one group, at most 1,530 and so never an overflow; inline
// because the body checksum takes it for every group.
inline std::int32_t WeightedSum(const std::array<std::uint8_t, 3> &group) {
    return group[0] + 2 * group[1] + 3 * group[2];
}

// A generator seeded with WeightedSum(passphrase), as the writer and the reader seed it.
Keystream keystreamFor(std::string_view passphrase);

} // namespace cipher
