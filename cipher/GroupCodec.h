// The group codec: three enciphered bytes to four printable characters and back, under
// Method 00 (characters "?" to "~") or Method 01 (MethodAlphabet).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace cipher {

using Group = std::array<std::uint8_t, 3>;
using GroupChars = std::array<char, 4>;

// The digits 0..63 of Method 01, in order. Capital and small letters alternate; it is not
// the Base64 alphabet.
inline constexpr std::string_view MethodAlphabet =
    "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz0123456789+-";
static_assert(MethodAlphabet.size() == 64);

// Method 00 writes each digit as the character whose code is the digit plus this offset.
inline constexpr int methodZeroOffset = 63;

// The four characters of a group: the top six bits of the group value first, where the value
// is b1 + 256 b2 + 65536 b3. Method is 0 or 1; any other throws std::invalid_argument.
GroupChars EncodeGroup(const Group &group, int method);

// The three bytes of the first four characters of chars (fewer than four throws
// std::invalid_argument). Characters outside the method's alphabet give defined but
// meaningless bytes, and a method other than 0 or 1 gives three zero bytes.
Group DecodeGroup(std::string_view chars, std::int32_t method);

} // namespace cipher
