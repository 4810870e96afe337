// The group codec's two directions, with Method 01's reverse table built at compile time.
#include "cipher/GroupCodec.h"

#include <stdexcept>

namespace cipher {
namespace {

// Method 01's digit of every character code; -1 where the character is not in the alphabet.
constexpr std::array<std::int8_t, 256> makeAlphabetDigits() {
    std::array<std::int8_t, 256> digits{};
    digits.fill(-1);
    for (std::size_t digit = 0; digit < MethodAlphabet.size(); ++digit)
        digits[static_cast<unsigned char>(MethodAlphabet[digit])] = static_cast<std::int8_t>(digit);
    return digits;
}
constexpr std::array<std::int8_t, 256> alphabetDigits = makeAlphabetDigits();
static_assert(alphabetDigits.size() == 256);

// Place values of the four characters, most significant first.
constexpr std::array<int, 4> digitShifts = {18, 12, 6, 0};

std::int32_t digitOf(char c, std::int32_t method) {
    const auto code = static_cast<unsigned char>(c);
    if (method == 0)
        return static_cast<std::int32_t>(code) - methodZeroOffset;
    return alphabetDigits[code];
}

char characterOf(std::uint32_t digit, int method) {
    if (method == 0)
        return static_cast<char>(methodZeroOffset + static_cast<int>(digit));
    return MethodAlphabet[digit];
}

} // namespace

GroupChars EncodeGroup(const Group &group, int method) {
    if (method != 0 && method != 1)
        throw std::invalid_argument("EncodeGroup: method must be 0 or 1");
    const std::uint32_t value = group[0] | (group[1] << 8) | (group[2] << 16);
    GroupChars chars{};
    for (std::size_t i = 0; i < chars.size(); ++i)
        chars[i] = characterOf((value >> digitShifts[i]) & 63u, method);
    return chars;
}

Group DecodeGroup(std::string_view chars, std::int32_t method) {
    if (chars.size() < 4)
        throw std::invalid_argument("DecodeGroup: a group has four characters");
    if (method != 0 && method != 1)
        return Group{};
    // Stays within -16,777,215..51,130,560, far from overflow; bits above 23 are dropped.
    std::int32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value += digitOf(chars[i], method) * (1 << digitShifts[i]);
    const auto bits = static_cast<std::uint32_t>(value);
    return Group{static_cast<std::uint8_t>(bits & 255u),
                 static_cast<std::uint8_t>((bits >> 8) & 255u),
                 static_cast<std::uint8_t>((bits >> 16) & 255u)};
}

} // namespace cipher
