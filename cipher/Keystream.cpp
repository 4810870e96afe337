// The position-weighted byte sum, and seeding the keystream from a passphrase.
#include "cipher/Keystream.h"

#include "cipher/CheckedInt.h"

namespace cipher {

std::int32_t WeightedSum(std::span<const std::uint8_t> bytes) {
    std::int32_t sum = 0;
    std::int32_t weight = 0;
    for (const std::uint8_t byte : bytes) {
        weight = checkedAdd(weight, 1);
        sum = checkedAdd(sum, checkedMultiply(weight, byte));
    }
    return sum;
}

std::int32_t WeightedSum(std::string_view bytes) {
    return WeightedSum(
        std::span(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()));
}

Keystream keystreamFor(std::string_view passphrase) {
    // The sum of unsigned bytes is never negative, so the seed keeps its value.
    return Keystream(static_cast<std::uint32_t>(WeightedSum(passphrase)));
}

} // namespace cipher
