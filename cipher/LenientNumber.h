// The lenient number reading of the header and checksum lines, which never reports an error.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace cipher {

// Leading blanks are skipped, one "+" or "-" may follow, then "$" and hexadecimal digits or
// plain decimal digits. Digits that run to the end of the field give the number with its sign;
// when another character stops them, the digits read so far count without the sign; no digits
// give 0. So "12345 " reads 12345, "-7" reads -7, "-7x" reads 7 and "" reads 0.
// A value outside the signed 32-bit range answers nothing rather than wrapping.
std::optional<std::int32_t> readLenientNumber(std::string_view field);

} // namespace cipher
