// The group codec: three enciphered bytes to four printable characters and back, in one of the
// body alphabets (the characters "?" to "~", or MethodAlphabet). Inline, with its tables built
// at compile time, because it runs for every group of a block.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace cipher {

using Group = std::array<std::uint8_t, 3>;
using GroupChars = std::array<char, 4>;

// The body alphabets, as the codec numbers them; a method's block shape names the one its body
// lines are written in. ZeroBytes reads every group as three zero bytes and writes none.
enum BodyAlphabet : int { QuestionToTilde = 0, Letters = 1, ZeroBytes = 2 };

// The digits 0..63 of the Letters alphabet, in order. Capital and small letters alternate; it is
// not the Base64 alphabet.
inline constexpr std::string_view MethodAlphabet =
    "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz0123456789+-";
static_assert(MethodAlphabet.size() == 64);

// The QuestionToTilde alphabet writes each digit as the character whose code is the digit plus
// this offset.
inline constexpr int methodZeroOffset = 63;

namespace codec {

// The 64 characters of each alphabet that has digits, digit 0 first: "?" to "~" for
// QuestionToTilde.
constexpr std::array<std::array<char, 64>, 2> makeAlphabets() {
    std::array<std::array<char, 64>, 2> alphabets{};
    for (std::size_t digit = 0; digit < 64; ++digit) {
        alphabets[QuestionToTilde][digit] =
            static_cast<char>(methodZeroOffset + static_cast<int>(digit));
        alphabets[Letters][digit] = MethodAlphabet[digit];
    }
    return alphabets;
}
inline constexpr std::array<std::array<char, 64>, 2> alphabets = makeAlphabets();
static_assert(alphabets[QuestionToTilde][63] == '~' && alphabets[Letters][63] == '-');

// The digit of every character code under QuestionToTilde (code - 63, negative below "?") and
// under Letters (its place in the alphabet, -1 where it is not in it), so decoding never
// branches.
constexpr std::array<std::array<std::int16_t, 256>, 2> makeDigits() {
    std::array<std::array<std::int16_t, 256>, 2> digits{};
    for (std::size_t code = 0; code < 256; ++code) {
        digits[QuestionToTilde][code] =
            static_cast<std::int16_t>(static_cast<int>(code) - methodZeroOffset);
        digits[Letters][code] = -1;
    }
    for (std::size_t digit = 0; digit < MethodAlphabet.size(); ++digit)
        digits[Letters][static_cast<unsigned char>(MethodAlphabet[digit])] =
            static_cast<std::int16_t>(digit);
    return digits;
}
inline constexpr std::array<std::array<std::int16_t, 256>, 2> digits = makeDigits();
static_assert(digits[QuestionToTilde][126] == 63 && digits[Letters][45] == 63); // "~" and "-"

// Whether every character of the text is one of the 64 that `digits` (one of the tables above)
// gives a digit for.
inline bool madeOfDigits(std::string_view text, const std::array<std::int16_t, 256> &digits) {
    for (const char c : text) {
        const std::int16_t digit = digits[static_cast<unsigned char>(c)];
        if (digit < 0 || digit >= 64)
            return false;
    }
    return true;
}

// Place values of the four characters, most significant first.
inline constexpr std::array<int, 4> digitShifts = {18, 12, 6, 0};

// Whether the alphabet is one of the two with digits, those the tables above hold.
constexpr bool hasDigits(int alphabet) {
    return alphabet == QuestionToTilde || alphabet == Letters;
}

} // namespace codec

// The four characters of a group: the top six bits of the group value first, where the value
// is b1 + 256 b2 + 65536 b3. An alphabet without digits throws std::invalid_argument.
inline GroupChars EncodeGroup(const Group &group, int alphabet) {
    if (!codec::hasDigits(alphabet))
        throw std::invalid_argument("EncodeGroup: the alphabet must be QuestionToTilde or Letters");
    const auto &characters = codec::alphabets[static_cast<std::size_t>(alphabet)];
    const std::uint32_t value = group[0] | (group[1] << 8) | (group[2] << 16);
    GroupChars chars{};
    for (std::size_t i = 0; i < chars.size(); ++i)
        chars[i] = characters[(value >> codec::digitShifts[i]) & 63u];
    return chars;
}

// The three bytes of the first four characters of chars (fewer than four throws
// std::invalid_argument). Characters outside the alphabet give defined but meaningless bytes,
// and an alphabet without digits (ZeroBytes, or any other number) gives three zero bytes.
inline Group DecodeGroup(std::string_view chars, std::int32_t alphabet) {
    if (chars.size() < 4)
        throw std::invalid_argument("DecodeGroup: a group has four characters");
    if (!codec::hasDigits(alphabet))
        return Group{};
    // Stays within -16,777,215..51,130,560, far from overflow; bits above 23 are dropped.
    const auto &digits = codec::digits[static_cast<std::size_t>(alphabet)];
    std::int32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value += digits[static_cast<unsigned char>(chars[i])] * (1 << codec::digitShifts[i]);
    const auto bits = static_cast<std::uint32_t>(value);
    return Group{static_cast<std::uint8_t>(bits & 255u),
                 static_cast<std::uint8_t>((bits >> 8) & 255u),
                 static_cast<std::uint8_t>((bits >> 16) & 255u)};
}

} // namespace cipher
